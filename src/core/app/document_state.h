#pragma once
// What the main window's parameter image was last saved to, opened from or exchanged with a
// device, and whether it has changed since. A change is anything that makes the image the
// window's controls give back differ from the image at that moment (words or device type),
// so an edit made and undone is no change. Saving, opening, uploading and downloading make
// the image clean again; a language switch keeps the state, the window being made anew.
#include <array>
#include <cstdint>
#include <string>

#include "core/model/parameter_image.h"

namespace voltaro {

enum class DocumentEvent {
    Started,     // the window's first image (defaults or the remembered model)
    Opened,      // read from a configuration file: that file becomes the document's file
    Saved,       // written to a configuration file: likewise
    Uploaded,    // read from the device: the image belongs to no file any more
    Downloaded,  // written to the device: the file (if any) stays the document's file
};

class CDocumentState {
  public:
    // True once MarkClean has run (the window marks its first image).
    bool HasSnapshot() const { return hasSnapshot_; }
    // image now equals what was saved, opened, uploaded or downloaded; path is the file of
    // Opened and Saved.
    void MarkClean(const ParameterImage& image, DocumentEvent event, const std::string& path = {});
    // Whether current differs from the image of the last MarkClean.
    bool IsModified(const ParameterImage& current) const;

    // The configuration file the image was last opened from or saved to; empty after an
    // upload or before any file.
    const std::string& FilePath() const { return filePath_; }
    // Its name without the folder.
    std::string FileName() const;

  private:
    bool hasSnapshot_ = false;
    std::array<uint16_t, kImageWords> words_{};
    int row_ = -1;
    std::string filePath_;
};

// What the main window knows beyond its image and keeps across a language switch (the window
// is made anew): the document state and the device it last talked to.
struct MainWindowSession {
    CDocumentState document;
    CDeviceType device;  // no row until a device was identified
    std::string serial;  // its serial number; empty when unknown
};

// The window title: "<file>[*] - <device> - <product title>", where the file part appears
// once there is a file or a change (kTextTitleUntitled without a file) and the device part
// once a device is known; with neither, the product title alone.
std::string MainWindowTitle(const std::string& productTitle, const std::string& fileName,
                            bool modified, const std::string& deviceText);

}  // namespace voltaro
