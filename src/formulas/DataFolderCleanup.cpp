#include "formulas/DataFolderCleanup.h"

#include "formulas/FormulaMessages.h"
#include "shell/AtomicFile.h"
#include "shell/FolderLock.h"

namespace zyk {

void RemoveDataFileLeftovers(const std::filesystem::path& dataFolder) {
    if (dataFolder.empty()) {
        return;  // a calculator without a data folder (tests, tools) has nothing to sweep
    }
    const FolderLock lock(dataFolder);
    for (const std::string_view name :
         {formula_text::kFormulaFileName, formula_text::kOldFormulaFileName,
          formula_text::kConstantFileName, formula_text::kBadConstantFileName}) {
        RemoveLeftoverTemporaries(dataFolder, name);
    }
}

}  // namespace zyk
