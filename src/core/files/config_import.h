#pragma once
// Reading a JSON export (ExportConfigJson) back into a parameter image. The model comes
// first: its identification must be a row of the catalogue. Then every entry is checked
// as the configuration file loader checks a value (it must fit its register, and an
// enumeration must hold a code of its list), and as the setting dialogs check it (the
// ranges of parameter_ranges.h, with their dependencies); every stored parameter of the
// model must be there exactly once, and no other key may be; the whole image finally passes
// ReadConfig, the loader itself. All refusals are collected and thrown together, each naming the
// key, group and name of its parameter and what is allowed; the caller writes nothing then.
#include <string>
#include <string_view>

#include "core/model/parameter_image.h"

namespace voltaro {

// Throws CPrivateException with one line (CR separated) per refusal; source names the
// file in the message about malformed JSON.
ParameterImage ImportConfigJson(std::string_view json, const std::string& source);

}  // namespace voltaro
