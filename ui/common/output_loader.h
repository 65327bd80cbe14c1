#pragma once
// The module of exports and printing (ui/output/output_module.h), loaded the
// first time it is asked for, from beside the program (Windows) or from
// ../lib/kelvora next to it (an installed Linux program, and the build
// tree); the loaded module stays for the run.
//
//   export | print --OutputModuleOf--> the module, or why it cannot be loaded (in Chinese)

#include <QString>

#include "ui/output/output_module.h"

namespace kelvora::ui {

// The module, or nullptr with `problem` saying in Chinese which file could
// not be loaded and why.
const OutputModule* OutputModuleOf(QString& problem);

// The file the module is looked for in first: KELVORA_OUTPUT_MODULE where it
// is set (the tests name a missing one), else the program's own.
QString OutputModulePath();

}  // namespace kelvora::ui
