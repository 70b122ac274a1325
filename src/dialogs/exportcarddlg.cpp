// SPDX-License-Identifier: GPL-3.0-or-later
#include "exportcarddlg.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

CExportCardDlg::CExportCardDlg(const QString& target, const QStringList& planLines,
                               const QStringList& problems, bool blocked, bool hasExtras,
                               QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Export to Card"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Card folder: %1").arg(target), this));

    QStringList lines = planLines;
    if (!problems.isEmpty()) {
        if (!lines.isEmpty())
            lines << QString();
        lines << (blocked ? tr("Problems found:") : tr("Please note:")) << problems;
    }
    m_text = new QPlainTextEdit(lines.join(u'\n'), this);
    m_text->setObjectName(QStringLiteral("ExportPlanText"));
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_text->setMinimumSize(560, 260);
    layout->addWidget(m_text);

    if (hasExtras && !blocked) {
        auto* keep = new QRadioButton(tr("Keep the files the playlist does not name"), this);
        m_remove = new QRadioButton(tr("Remove them from the card after the copy"), this);
        keep->setObjectName(QStringLiteral("KeepExtras"));
        m_remove->setObjectName(QStringLiteral("RemoveExtras"));
        keep->setChecked(true); // nothing on the card goes unless the user says so
        auto* group = new QButtonGroup(this);
        group->addButton(keep);
        group->addButton(m_remove);
        layout->addWidget(keep);
        layout->addWidget(m_remove);
    }

    QDialogButtonBox* buttons = nullptr;
    if (blocked) {
        layout->addWidget(
            new QLabel(tr("Nothing can be copied until these problems are solved."), this));
        buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    } else {
        buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
        QPushButton* start = buttons->addButton(tr("Export"), QDialogButtonBox::AcceptRole);
        start->setObjectName(QStringLiteral("ExportButton"));
        start->setDefault(true);
    }
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

bool CExportCardDlg::removeExtras() const
{
    return m_remove != nullptr && m_remove->isChecked();
}

QString CExportCardDlg::text() const
{
    return m_text->toPlainText();
}
