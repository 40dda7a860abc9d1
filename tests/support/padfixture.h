#pragma once

#include "dosboxenvironment.h"
#include "imagebutton.h"
#include "memorysettingsstore.h"
#include "pad.h"
#include "recordingprompter.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>

#include <memory>

// Records every DOS session it is asked to start.
class RecordingDos : public DosEnvironment {
public:
    QString start(const DosSession& session) override {
        m_sessions << session;
        return m_error;
    }
    QList<DosSession> m_sessions;
    QString m_error;
};

// A main window over doubles of every service.
struct PadFixture {
    MemorySettingsStore store;
    RecordingPrompter prompter;
    RecordingDos dos;
    std::unique_ptr<Pad> pad;

    PadFixture() : pad(std::make_unique<Pad>(PadServices{prompter, store, dos})) {}

    template <typename W = QWidget> W* control(const char* name) const {
        return pad->findChild<W*>(QString::fromLatin1(name));
    }
    // An image button's state: lit (its ON image), and its bevel.
    bool lit(const char* name) const { return control<ImageButton>(name)->isOn(); }
    Bevel* bevel(const char* name) const { return control<ImageButton>(name)->bevel(); }
};

// A mouse move as the window system delivers it to a control: each one a moment of its own.
inline void moveOver(QWidget* widget, QPointF at = QPointF(2, 2),
                     Qt::MouseButtons held = Qt::NoButton) {
    static quint64 moment = 0;
    QMouseEvent event(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, held,
                      Qt::NoModifier);
    event.setTimestamp(++moment);
    QCoreApplication::sendEvent(widget, &event);
}
