#include "console/ConsoleContext.h"

namespace zyk {

int RunProgramCommand(ConsoleContext& context) {
    return UsageError(context, "--run is not part of this build yet");
}

}  // namespace zyk
