#pragma once

#include "core/platform/regional_settings.h"

#include <CLI/CLI.hpp>
#include <stdexcept>
#include <string>

namespace quillara::tool {

// Each command adds itself to the tool with its options and usage text. A command exits 0 when
// done, 1 when the book, file or expression failed, 2 for a wrong command line.
void AddDumpCommand(CLI::App& tool);
void AddBuildCommand(CLI::App& tool);
void AddCheckCommand(CLI::App& tool);
void AddSynthCommand(CLI::App& tool);
void AddShowCommand(CLI::App& tool);
void AddEvalCommand(CLI::App& tool);
void AddNewCommand(CLI::App& tool);
void AddImportCommand(CLI::App& tool);
void AddExportCommand(CLI::App& tool);

// A command line the command cannot use; the tool prints it with the usage and exits 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Books are authored with "." as the decimal separator; the tool reads them that way.
TRegionalSettings ToolRegionalSettings();

} // namespace quillara::tool
