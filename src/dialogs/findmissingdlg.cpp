// SPDX-License-Identifier: GPL-3.0-or-later
#include "findmissingdlg.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

CFindMissingDlg::CFindMissingDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Find Missing Files"));
    m_summary = new QLabel(this);
    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("MissingList"));
    m_list->setColumnCount(2);
    m_list->setHeaderLabels({tr("File"), tr("Slots (channel-frame)")});
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->header()->setStretchLastSection(true);
    m_list->setMinimumWidth(520);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    m_relink = buttons->addButton(tr("Relink..."), QDialogButtonBox::ActionRole);
    m_relink->setObjectName(QStringLiteral("RelinkButton"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_relink, &QPushButton::clicked, this, [this] {
        if (const QString name = selectedName(); !name.isEmpty())
            emit relinkRequested(name);
    });
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, [this] { m_relink->click(); });
    connect(m_list, &QTreeWidget::currentItemChanged, this, &CFindMissingDlg::updateButtons);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
    updateButtons();
}

void CFindMissingDlg::setMissing(const QList<Missing>& missing)
{
    const QString keep = selectedName();
    m_list->clear();
    for (const Missing& file : missing)
        new QTreeWidgetItem(m_list, {file.name, SlotsText(file.places)});
    m_list->resizeColumnToContents(0);
    m_summary->setText(missing.isEmpty()
                           ? tr("Every file the playlist names is in the data folder.")
                           : tr("Files not in the data folder: %1").arg(missing.size()));
    selectName(keep);
    if (!m_list->currentItem() && m_list->topLevelItemCount() > 0)
        m_list->setCurrentItem(m_list->topLevelItem(0));
    updateButtons();
}

QString CFindMissingDlg::selectedName() const
{
    const QTreeWidgetItem* item = m_list->currentItem();
    return item ? item->text(0) : QString();
}

void CFindMissingDlg::selectName(const QString& name)
{
    for (int i = 0; i < m_list->topLevelItemCount(); ++i)
        if (m_list->topLevelItem(i)->text(0) == name)
            m_list->setCurrentItem(m_list->topLevelItem(i));
}

int CFindMissingDlg::count() const
{
    return m_list->topLevelItemCount();
}

QString CFindMissingDlg::SlotsText(const QList<QPoint>& places)
{
    QStringList items;
    for (const QPoint& slot : places)
        items << QStringLiteral("%1-%2")
                     .arg(slot.y(), 4, 10, QLatin1Char('0'))
                     .arg(slot.x(), 2, 10, QLatin1Char('0'));
    return items.join(QStringLiteral(", "));
}

void CFindMissingDlg::updateButtons()
{
    m_relink->setEnabled(m_list->currentItem() != nullptr);
}
