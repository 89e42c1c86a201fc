#include "core/settings/list_dialog_model.h"

#include "core/platform/string_table.h"

namespace voltaro {

bool ItemApplies(const ListItem& item, const CDeviceType& type) {
    return type.HasFeature(item.mask1, item.mask2);
}

std::vector<ColumnView> ColumnViews(std::span<const ListColumn> columns) {
    std::vector<ColumnView> views;
    for (const ListColumn& c : columns)
        views.push_back({LoadString(c.headerId), c.alignment, c.width});
    return views;
}

}  // namespace voltaro
