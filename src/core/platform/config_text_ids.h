#pragma once
// Text ids of configurations as text: diff, export, import (31800 .. 31869).

namespace voltaro {}  // namespace voltaro
