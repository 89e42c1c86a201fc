#pragma once
// Text ids of the live trend chart (31640 .. 31719).

namespace voltaro {}  // namespace voltaro
