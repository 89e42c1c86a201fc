#pragma once
// The differences of two parameter images by group and parameter: the parameter report's
// comparison (CParameterReport) with the parameters that apply to one model only listed
// as such, and a different model named first.
#include <string>
#include <vector>

#include "core/model/parameter_image.h"

namespace voltaro {

enum class ConfigDifferenceKind { Different, OnlyInA, OnlyInB };

struct ConfigDifference {
    ConfigDifferenceKind kind = ConfigDifferenceKind::Different;
    std::string key;  // ConfigKey
    std::string group;
    std::string name;
    std::string textA;  // empty where the parameter is no parameter of A's model
    std::string textB;
};

struct ConfigDiff {
    bool modelDiffers = false;
    std::string modelA;  // ModelDisplayText of each side
    std::string modelB;
    std::vector<ConfigDifference> rows;  // report order, so grouped

    bool Same() const { return !modelDiffers && rows.empty(); }
    int CountOf(ConfigDifferenceKind kind) const;
};

// Group, name and value texts in the active language (CEnglishTextScope around the call
// for a language-independent result).
ConfigDiff DiffConfigs(const ParameterImage& a, const ParameterImage& b);

// The diff as one JSON object: "same", "model" (null or both model texts) and
// "differences" with key, group, name, state ("different", "only-a", "only-b") and both texts.
std::string ConfigDiffJson(const ConfigDiff& diff);

}  // namespace voltaro
