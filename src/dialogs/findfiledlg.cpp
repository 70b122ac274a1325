// SPDX-License-Identifier: GPL-3.0-or-later
#include "findfiledlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

CFindFileDlg::CFindFileDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Find"));
    m_name = new QComboBox(this);
    m_name->setObjectName(QStringLiteral("FindName"));
    m_name->setEditable(true);
    m_name->setInsertPolicy(QComboBox::NoInsert);
    // Part of a name is a valid answer: typing is never completed to a whole one.
    m_name->setCompleter(nullptr);
    m_name->setMinimumContentsLength(16);
    m_name->lineEdit()->setPlaceholderText(tr("VOICE01.MP3 or part of it"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    m_find = buttons->addButton(tr("Find"), QDialogButtonBox::AcceptRole);
    m_find->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // Nothing to look for: Find waits for a character.
    connect(m_name, &QComboBox::editTextChanged, this,
            [this] { m_find->setEnabled(!text().isEmpty()); });

    auto* form = new QFormLayout(this);
    form->addRow(tr("File name:"), m_name);
    form->addRow(buttons);
    m_find->setEnabled(false);
}

void CFindFileDlg::setNames(const QStringList& names)
{
    const QString keep = m_name->currentText();
    m_name->clear();
    m_name->addItems(names);
    m_name->setEditText(keep);
}

void CFindFileDlg::setText(const QString& text)
{
    m_name->setEditText(text);
    m_name->lineEdit()->selectAll();
}

QString CFindFileDlg::text() const
{
    return m_name->currentText().trimmed();
}
