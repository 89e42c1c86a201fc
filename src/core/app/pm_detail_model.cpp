#include "core/app/pm_detail_model.h"

#include "core/comm/modbus_interface.h"
#include "core/monitor/zc_reads.h"
#include "core/platform/cancelled.h"
#include "core/platform/private_exception.h"
#include "core/platform/string_table.h"
#include "core/platform/ui_text_ids.h"
#include "core/work/sync_objects.h"

namespace voltaro {

bool RunDetailRead(CModbusInterface& client, CMeasurandsKT2& store, int channel,
                   const DetailRead& read) {
    CAccessRight access(client);
    bool ok = true;
    try {
        client.Open();
        if (read.thd)
            ReadZcDetailThd(client, store, channel, read.harmonicSet);
        else
            ReadZcDetailValues(client, store, read.view, channel);
    } catch (const CPrivateException&) {
        ok = false;
    } catch (const CCancelled&) {
        ok = false;
    }
    client.Close();
    return ok;
}

std::string CPMDetailModel::Caption() const {
    std::string suffix = LoadString(kTextDetailChannelSuffix);
    const auto at = suffix.find("%d");
    if (at != std::string::npos) suffix.replace(at, 2, std::to_string(channel_ + 1));
    return LoadString(kTextDetailCaption) + suffix;
}

DetailUpdate CPMDetailModel::OnReadDone(const DetailRead& read, bool ok) {
    DetailUpdate update;
    if (stopping_) {
        update.closeWhenIdle = true;
        return update;
    }
    if (ok)
        status_.OnSuccess();
    else
        status_.OnFailure();
    if (read.thd) {
        // A value read of the tab shown follows every THD read.
        update.fillThd = ok;
        update.fillHarmonics = ok && read.harmonicSet == harmonicSet_;
        update.trendThd = ok;
        const bool presentDue = chartShown_ && tab_ != kZcDetailTrend && lastValueView_ == tab_;
        update.next = {false, presentDue ? kZcDetailTrend : tab_, harmonicSet_};
    } else {
        // Values of a tab that is no longer shown are not filled in.
        lastValueView_ = read.view;
        update.fillMaxMin = ok && read.view == tab_;
        update.trendValues = ok && read.view == kZcDetailTrend;
        update.next = {true, tab_, harmonicSet_};
    }
    return update;
}

bool CPMDetailModel::SelectThdRow(int row) {
    if (row < 1 || row > kHarmonicSetCount) return false;
    harmonicSet_ = row - 1;
    return true;
}

}  // namespace voltaro
