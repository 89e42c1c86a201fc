#pragma once
// Text ids of the bus scan and "Find devices..." (31240 .. 31319).

namespace voltaro {}  // namespace voltaro
