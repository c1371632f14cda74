#include "shell/SettingsStore.h"

#include <utility>

namespace zyk {

void SettingsStore::SetWriteFailureHandler(WriteFailureHandler handler) {
    m_onWriteFailure = std::move(handler);
    if (m_onWriteFailure && !m_untold.empty()) {
        m_onWriteFailure(std::exchange(m_untold, {}));
    }
}

void SettingsStore::ReportWriteStored() {
    m_failing = false;
}

void SettingsStore::ReportWriteFailed(const std::string& message) {
    m_writeFailed = true;
    if (std::exchange(m_failing, true)) {
        return;
    }
    if (m_onWriteFailure) {
        m_onWriteFailure(message);
    } else {
        m_untold = message;
    }
}

}  // namespace zyk
