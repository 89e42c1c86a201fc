#pragma once
// Text ids of backup, read-back verification and the audit log of downloads (31720 .. 31799).

namespace voltaro {}  // namespace voltaro
