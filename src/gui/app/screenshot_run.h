#pragma once
// The unattended picture run of the desktop program (--screenshot): uploads from the
// device, saves the main window, the display, alarm and communication setting dialogs
// where the device type has them ("-display", "-alarm", "-modbus" after the file's name),
// the report ("-report"), then opens the monitor, waits until it shows living values and
// saves it too ("-monitor"). Every Connect dialog is accepted as it stands; a message box, a
// monitor without values or a picture that cannot be saved marks the run as failed.
#include <QString>

namespace voltaro {

class CBasicParameterDialog;

// Runs the pictures with window shown, then ends it. The monitor's picture is taken once it
// has shown values for monitorMs.
void RunScreenshots(CBasicParameterDialog& window, const QString& path, int monitorMs,
                    bool& failed);

// "dir/name.png" -> "dir/name-NAME.png".
QString PicturePath(const QString& path, const QString& name);
// "dir/name.png" -> "dir/name-monitor.png".
QString MonitorPicturePath(const QString& path);

}  // namespace voltaro
