#include "core/app/document_state.h"

#include "core/platform/string_table.h"
#include "core/platform/ui_text_ids.h"

namespace voltaro {

namespace {

int RowOf(const CDeviceType& type) {
    if (type.typeIndex < 0) type.Lookup();
    return type.typeIndex;
}

}  // namespace

void CDocumentState::MarkClean(const ParameterImage& image, DocumentEvent event,
                               const std::string& path) {
    hasSnapshot_ = true;
    words_ = image.words;
    row_ = RowOf(image.deviceType);
    switch (event) {
        case DocumentEvent::Opened:
        case DocumentEvent::Saved:
            filePath_ = path;
            break;
        case DocumentEvent::Uploaded:
            filePath_.clear();
            break;
        case DocumentEvent::Started:
        case DocumentEvent::Downloaded:
            break;
    }
}

bool CDocumentState::IsModified(const ParameterImage& current) const {
    if (!hasSnapshot_) return false;
    return current.words != words_ || RowOf(current.deviceType) != row_;
}

std::string CDocumentState::FileName() const {
    const std::size_t slash = filePath_.find_last_of('/');
    return slash == std::string::npos ? filePath_ : filePath_.substr(slash + 1);
}

std::string MainWindowTitle(const std::string& productTitle, const std::string& fileName,
                            bool modified, const std::string& deviceText) {
    std::string title;
    if (!fileName.empty() || modified) {
        title = fileName.empty() ? LoadString(kTextTitleUntitled) : fileName;
        if (modified) title += '*';
        title += " - ";
    }
    if (!deviceText.empty()) title += deviceText + " - ";
    return title + productTitle;
}

}  // namespace voltaro
