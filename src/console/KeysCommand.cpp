#include "console/ConsoleContext.h"

namespace zyk {

int RunKeysCommand(ConsoleContext& context) {
    return UsageError(context, "--keys is not part of this build yet");
}

}  // namespace zyk
