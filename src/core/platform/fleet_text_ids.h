#pragma once
// Text ids of fleet runs over many devices (31870 .. 31999).

namespace voltaro {}  // namespace voltaro
