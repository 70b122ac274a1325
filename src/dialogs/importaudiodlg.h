// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/encodesettings.h"

#include <functional>
#include <QDialog>
#include <QList>
#include <QString>

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QTableWidget;

// "Import Audio": the files to import with the names they get in the data folder (editable),
// and the MP3 encoding. A name the slot would refuse, or one already taken, cannot be chosen:
// OK stays disabled and the reason is shown. Values in and out; it writes nothing.
class CImportAudioDlg final : public QDialog
{
    Q_OBJECT
public:
    struct Row
    {
        QString source; // path of the audio file
        QString base;   // its name in the data folder, without ".MP3"
    };
    // Whether NAME.MP3 (upper-cased) exists in the data folder, ignoring letter case.
    using TakenCheck = std::function<bool(const QString& upperName)>;

    explicit CImportAudioDlg(QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(CImportAudioDlg)

    void setRows(const QList<Row>& rows, const TakenCheck& taken);
    QList<Row> rows() const;
    void
    setPlacement(const QString& text); // where the files go, e.g. "Channel 0003, from frame 02"
    void setSettings(const cuelist::EncodeSettings& settings);
    cuelist::EncodeSettings settings() const;
    // Empty when every name can be used; else why not, naming the row.
    QString problem() const;

private:
    void validate();

    QLabel* m_placement = nullptr;
    QTableWidget* m_table = nullptr;
    QLabel* m_problem = nullptr;
    QComboBox* m_bitrate = nullptr;
    QComboBox* m_rate = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
    TakenCheck m_taken;
};
