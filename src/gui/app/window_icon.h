#pragma once
// The program's window icon, drawn once: a meter dial with its needle.
#include <QIcon>

namespace voltaro {

QIcon ProgramIcon();

}  // namespace voltaro
