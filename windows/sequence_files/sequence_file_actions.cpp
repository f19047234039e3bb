#include "windows/sequence_files/sequence_file_actions.h"

#include "platform/services.h"
#include "playlist/playlist_file.h"
#include "windows/sequence_files/sequence_prompts.h"
#include "windows/sequence_files/sequence_window.h"
#include "windows/shell/choosers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QWidget>
#include <filesystem>
#include <optional>

namespace orvex {
namespace {

std::filesystem::path toPath(const QString& file) {
    return {QFile::encodeName(file).toStdString()};
}

QString folderOf(const QString& file) {
    QString folder = QFileInfo(file).absolutePath();
    if (!folder.endsWith(QLatin1Char('/'))) {
        folder += QLatin1Char('/');
    }
    return folder;
}

} // namespace

SequenceFileActions::SequenceFileActions(Sequence& sequence, SequenceWindow& window,
                                         Choosers& choosers, SequencePrompts& prompts,
                                         QObject* parent)
    : QObject(parent), m_sequence(sequence), m_window(window), m_choosers(choosers),
      m_prompts(prompts) {
    setModified(false);
}

void SequenceFileActions::ButtonSaveClick() {
    save();
}

void SequenceFileActions::ButtonLoadClick() {
    // Declining the question cancels the load just as cancelling the file dialog does.
    std::optional<QString> file;
    if (confirmDiscardChanges()) {
        file = m_choosers.chooseFileToOpen(m_window.widget(), playlistInFolder(),
                                           QString::fromLatin1(kOpenFilter));
    }
    if (!file) {
        m_window.setNextLoopNumber(static_cast<std::uint16_t>(m_window.loopRowCount()));
        return;
    }
    const LoadResult loaded = loadPlaylist(toPath(*file), regional());
    switch (loaded.failure) {
    case LoadFailure::kUnreadable:
        m_prompts.showError(m_window.widget(), tr("The file \"%1\" cannot be read.\n%2")
                                                   .arg(QDir::toNativeSeparators(*file),
                                                        QString::fromLocal8Bit(loaded.message)));
        return;
    case LoadFailure::kInvalidDateTime:
        m_prompts.showError(m_window.widget(), QString::fromUtf8(loaded.message));
        return;
    case LoadFailure::kNone:
        break;
    }
    m_sequence = *loaded.sequence;
    m_window.SetSequenceFolder(folderOf(*file));
    m_window.RefreshLoopList();
    const int rows = m_window.loopRowCount();
    if (rows > 0) {
        m_window.selectLoopRow(0);
    }
    m_window.setNextLoopNumber(static_cast<std::uint16_t>(rows));
    setModified(false);
}

bool SequenceFileActions::confirmDiscardChanges() {
    if (!m_modified) {
        return true;
    }
    switch (m_prompts.askToSaveChanges(m_window.widget())) {
    case UnsavedChoice::kSave:
        return save();
    case UnsavedChoice::kDiscard:
        return true;
    case UnsavedChoice::kCancel:
        break;
    }
    return false;
}

void SequenceFileActions::markModified() {
    setModified(true);
}

void SequenceFileActions::markUnmodified() {
    setModified(false);
}

bool SequenceFileActions::save() {
    const QString file = playlistInFolder();
    const FileResult result = savePlaylist(m_sequence, regional(), toPath(file));
    if (!result) {
        m_prompts.showError(m_window.widget(), tr("The sequence could not be saved to \"%1\".\n%2")
                                                   .arg(QDir::toNativeSeparators(file),
                                                        QString::fromLocal8Bit(result.reason)));
        return false;
    }
    setModified(false);
    emit saved();
    return true;
}

void SequenceFileActions::setModified(bool modified) {
    m_modified = modified;
    m_window.widget()->setWindowModified(modified);
}

// The folder always ends in "/", so the name follows it directly.
QString SequenceFileActions::playlistInFolder() const {
    return m_window.sequenceFolder() + QString::fromLatin1(kPlaylistFileName);
}

} // namespace orvex
