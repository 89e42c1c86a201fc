#include "gui/monitor/zc_reset.h"

#include "core/monitor/zc_reads.h"
#include "core/platform/cancelled.h"
#include "core/platform/message_ids.h"
#include "core/platform/private_exception.h"
#include "gui/app/message_box.h"
#include "gui/app/qt_text.h"
#include "gui/dialogs/passcode_prompts.h"

namespace voltaro {

bool RunZcReset(QWidget* parent, CModbusInterface& client, int channel, uint16_t value) {
    if (!Ask(parent, Text(kMsgAreYouSure))) return false;
    try {
        WaitCursor wait;
        CPasscodePrompts prompts(parent);
        return WriteZcReset(client, prompts, channel, value);
    } catch (const CPrivateException& error) {
        ShowException(parent, error);
    } catch (const CCancelled&) {
    }
    return false;
}

}  // namespace voltaro
