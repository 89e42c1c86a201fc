#pragma once
// Text ids of link statistics, the frame log and the Communication window (31320 .. 31419).

namespace voltaro {}  // namespace voltaro
