// SPDX-License-Identifier: GPL-3.0-or-later
#include "importaudiodlg.h"

#include "core/importname.h"
#include "text/messages.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTableWidget>
#include <QVBoxLayout>

CImportAudioDlg::CImportAudioDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Import Audio"));
    auto* layout = new QVBoxLayout(this);
    m_placement = new QLabel(this);
    layout->addWidget(m_placement);
    m_table = new QTableWidget(0, 2, this);
    m_table->setHorizontalHeaderLabels({tr("Audio file"), tr("Name in the data folder (.MP3)")});
    m_table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    m_table->verticalHeader()->hide();
    layout->addWidget(m_table);
    m_problem = new QLabel(this);
    m_problem->setWordWrap(true);
    QPalette palette = m_problem->palette();
    palette.setColor(QPalette::WindowText, QColor(192, 0, 0));
    m_problem->setPalette(palette);
    layout->addWidget(m_problem);

    auto* form = new QFormLayout;
    m_bitrate = new QComboBox(this);
    for (int kbps : cuelist::kEncodeBitrates)
        m_bitrate->addItem(tr("%1 kbps").arg(kbps), kbps);
    m_rate = new QComboBox(this);
    for (int hertz : cuelist::kEncodeSampleRates)
        m_rate->addItem(tr("%1 Hz").arg(hertz), hertz);
    form->addRow(tr("MP3 bit rate (constant)"), m_bitrate);
    form->addRow(tr("Sample rate"), m_rate);
    layout->addLayout(form);
    auto* note = new QLabel(tr("Mono files stay mono; anything else becomes stereo."), this);
    layout->addWidget(note);

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_buttons->button(QDialogButtonBox::Ok)->setText(tr("Import"));
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(m_buttons);
    connect(m_table, &QTableWidget::itemChanged, this, &CImportAudioDlg::validate);
    setSettings({});
    resize(640, 360);
}

void CImportAudioDlg::setRows(const QList<Row>& rows, const TakenCheck& taken)
{
    m_taken = taken;
    const QSignalBlocker blocker(m_table);
    m_table->setRowCount(int(rows.size()));
    for (int row = 0; row < rows.size(); ++row) {
        auto* source = new QTableWidgetItem(QFileInfo(rows[row].source).fileName());
        source->setData(Qt::UserRole, rows[row].source);
        source->setToolTip(rows[row].source);
        source->setFlags(source->flags() & ~Qt::ItemIsEditable);
        m_table->setItem(row, 0, source);
        m_table->setItem(row, 1, new QTableWidgetItem(rows[row].base));
    }
    validate();
}

QList<CImportAudioDlg::Row> CImportAudioDlg::rows() const
{
    QList<Row> rows;
    for (int row = 0; row < m_table->rowCount(); ++row)
        rows.append(
            {m_table->item(row, 0)->data(Qt::UserRole).toString(), m_table->item(row, 1)->text()});
    return rows;
}

void CImportAudioDlg::setPlacement(const QString& text)
{
    m_placement->setText(text);
}

void CImportAudioDlg::setSettings(const cuelist::EncodeSettings& settings)
{
    const int bitrate = m_bitrate->findData(settings.bitrateKbps);
    m_bitrate->setCurrentIndex(bitrate >= 0 ? bitrate : m_bitrate->findData(128));
    const int rate = m_rate->findData(settings.sampleRate);
    m_rate->setCurrentIndex(rate >= 0 ? rate : m_rate->findData(44100));
}

cuelist::EncodeSettings CImportAudioDlg::settings() const
{
    return {m_bitrate->currentData().toInt(), m_rate->currentData().toInt()};
}

QString CImportAudioDlg::problem() const
{
    QSet<QString> chosen;
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const QString typed = m_table->item(row, 1)->text();
        const QString source = m_table->item(row, 0)->text();
        const auto check = cuelist::CheckImportName(typed.toStdString(), [&](std::string_view u) {
            const QString upper = QString::fromUtf8(u.data(), qsizetype(u.size()));
            return (m_taken && m_taken(upper)) || chosen.contains(upper);
        });
        switch (check.result) {
        case cuelist::ImportNameResult::Accepted:
            chosen.insert(QString::fromStdString(check.upperName));
            break;
        case cuelist::ImportNameResult::Refused:
            return tr("%1: %2").arg(source, cuelist::text::NameResultMessage(check.refusal));
        case cuelist::ImportNameResult::Taken:
            return tr("%1: %2.MP3 is already taken in the data folder.")
                .arg(source, typed.toUpper());
        }
    }
    return {};
}

void CImportAudioDlg::validate()
{
    const QString text = problem();
    m_problem->setText(text);
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(text.isEmpty() && m_table->rowCount() > 0);
}
