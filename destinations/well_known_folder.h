#pragma once

#include <string>

// A shell folder that heads the destination list: the label the user sees and the
// folder's path (empty when the shell could not say where it is).
struct WellKnownFolder {
    std::string label;
    std::string path;
};
