#pragma once

#include <QSize>
#include <QString>
#include <QWidget>

namespace zyk {

// One page of a COptionSheet. The page object exists from the moment it is added, but its
// controls are made the first time the sheet makes it current (OnInitPage); the initialised flag
// is set right after, so change notifications raised while the controls are being filled can be
// told apart and ignored. The page's size is known before it is made: its layout size in dialog
// units of its font.
class COptionPage : public QWidget {
    Q_OBJECT

public:
    // caption: the page's line in the sheet's page list.
    COptionPage(const QString& caption, QSize dialogUnits, QWidget* parent = nullptr);

    const QString& Caption() const { return m_caption; }
    QSize DialogUnitSize() const { return m_dialogUnits; }
    // The layout size in pixels for the page's font.
    QSize PixelSize() const;

    bool IsCreated() const { return m_created; }
    bool IsInitialised() const { return m_initialised; }
    bool IsModified() const { return m_modified; }

    // Makes and initialises the controls once; later calls do nothing.
    void Create();

    // The sheet's hooks. OnSetActive: the page has just become current. OnKillActive: the page is
    // about to be left or its data taken; false keeps it current (the page says why). OnOk,
    // OnCancel, OnApply: the sheet's buttons, for pages that have been made.
    virtual void OnSetActive() {}
    virtual bool OnKillActive() { return true; }
    virtual void OnOk() {}
    virtual void OnCancel() {}
    virtual void OnApply() { OnOk(); }

    // Tells the sheet that the page holds changes that Apply would take.
    void SetModified(bool modified);

signals:
    void ModifiedChanged(bool modified);

protected:
    // Makes the page's controls and fills them.
    virtual void OnInitPage() = 0;

private:
    QString m_caption;
    QSize m_dialogUnits;
    bool m_created = false;
    bool m_initialised = false;
    bool m_modified = false;
};

}  // namespace zyk
