#pragma once

#include "model/records.h"

#include <QObject>
#include <QString>

namespace orvex {

class Choosers;
class SequencePrompts;
class SequenceWindow;

// "Save Sequence", "Load Sequence", and the question before unsaved changes are thrown away.
// The sequence counts as unchanged when it was started, loaded or saved; every edit after that
// must reach markModified().
class SequenceFileActions : public QObject {
    Q_OBJECT
public:
    static constexpr const char* kOpenFilter = "XML Files (*.xml);;All Files (*)";

    // Everything given outlives this object.
    SequenceFileActions(Sequence& sequence, SequenceWindow& window, Choosers& choosers,
                        SequencePrompts& prompts, QObject* parent = nullptr);

    // Writes playlist.xml into the sequence folder; a failure is shown with the system's reason
    // and leaves an existing file as it was.
    void ButtonSaveClick();
    // Replaces the sequence with a chosen file's only when the whole file could be read.
    void ButtonLoadClick();

    // True when the current sequence may be thrown away: it has no unsaved changes, or the user
    // saved them or chose to discard them. False when the user cancelled or the save failed.
    bool confirmDiscardChanges();

    bool isModified() const { return m_modified; }

signals:
    // After the sequence was written to its file.
    void saved();

public slots:
    void markModified();
    // For a sequence that was just started afresh.
    void markUnmodified();

private:
    bool save();
    void setModified(bool modified);
    QString playlistInFolder() const;

    Sequence& m_sequence;
    SequenceWindow& m_window;
    Choosers& m_choosers;
    SequencePrompts& m_prompts;
    bool m_modified = false;
};

} // namespace orvex
