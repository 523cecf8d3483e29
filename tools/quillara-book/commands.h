#pragma once

#include "core/platform/regional_settings.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace quillara::tool {

// Arguments after the verb. Each verb returns the process's exit status: 0 done, 1 the book
// or expression failed, 2 a usage error.
using Arguments = std::vector<std::string>;

int RunDump(const Arguments& args);
int RunShow(const Arguments& args);
int RunEval(const Arguments& args);
int RunBuild(const Arguments& args);
int RunCheck(const Arguments& args);
int RunSynth(const Arguments& args);
int RunNew(const Arguments& args);
int RunImport(const Arguments& args);
int RunExport(const Arguments& args);

// A command line the verb cannot use; main prints it with the usage and exits 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Books are authored with "." as the decimal separator; the tool reads them that way.
TRegionalSettings ToolRegionalSettings();

} // namespace quillara::tool
