#pragma once

#include <QObject>

#include "shell/SettingsStore.h"
#include "shell/UserMessages.h"

namespace zyk {

// Tells the user, in a warning box with the application's title, that the settings store could
// not be written. The box opens from the event loop, never inside the failing write, which may
// run while a window is being moved. While the object lives it is the store's failure handler.
class SettingsFailureNotice : public QObject {
public:
    SettingsFailureNotice(SettingsStore& store, UserMessages& messages);
    ~SettingsFailureNotice() override;
    SettingsFailureNotice(const SettingsFailureNotice&) = delete;
    SettingsFailureNotice& operator=(const SettingsFailureNotice&) = delete;

private:
    SettingsStore& m_store;
    UserMessages& m_messages;
};

}  // namespace zyk
