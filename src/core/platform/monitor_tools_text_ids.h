#pragma once
// Text ids of recording and the wiring findings in the monitor windows (31420 .. 31469, 31600 ..
// 31639).

namespace voltaro {}  // namespace voltaro
