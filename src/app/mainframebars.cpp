// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandids.h"
#include "commandtable.h"
#include "mainframe.h"
#include "settingvalue.h"
#include "text/messages.h"
#include "windowplacement.h"

#include <algorithm>
#include <QLabel>
#include <QStatusBar>
#include <QToolBar>

namespace {

const SettingValue<QByteArray> kBarLayout(QStringLiteral("TOOL_BAR/Layout"));
const SettingValue<bool> kStatusBarShown(QStringLiteral("TOOL_BAR/StatusBar"), true);
const SettingValue<QByteArray> kGeometry(QStringLiteral("TOOL_BAR/Geometry"));

QToolBar* MakeToolBar(QMainWindow* frame, const QString& name, const QString& caption)
{
    auto* bar = new QToolBar(caption, frame);
    bar->setObjectName(name);
    bar->setIconSize(QSize(16, 16));
    bar->setAllowedAreas(Qt::AllToolBarAreas);
    bar->setFloatable(true);
    bar->setMovable(true);
    frame->addToolBar(Qt::TopToolBarArea, bar);
    return bar;
}

// The width of the widest description the pane shows in the user's language: which of
// "Unlimited" and "254" is wider depends on the language.
int WidestDescription(const QFontMetrics& metrics)
{
    int widest = 0;
    for (const bool unlimited : {false, true}) {
        cuelist::SlotDescription description;
        description.kind = cuelist::SlotDescription::Kind::Mp3;
        description.repeat = 254;
        description.unlimited = unlimited;
        description.volume = -255;
        description.interval = cuelist::kMaxInterval;
        widest = std::max(widest,
                          metrics.horizontalAdvance(cuelist::text::DescriptionText(description)));
    }
    return widest;
}

} // namespace

void CMainFrame::createToolBars()
{
    m_fileBar = MakeToolBar(this, QStringLiteral("FileToolBar"), tr("File Toolbar"));
    for (int id : {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_CSV_OUTPUT})
        m_fileBar->addAction(m_commands->action(id));

    m_editBar = MakeToolBar(this, QStringLiteral("EditToolBar"), tr("Edit Toolbar"));
    m_editBar->addAction(m_commands->action(ID_EDIT_UNDO));
    m_editBar->addAction(m_commands->action(ID_EDIT_REDO));
    m_editBar->addSeparator();
    m_editBar->addAction(m_commands->action(ID_SELECT_FILE));
    m_editBar->addSeparator();
    for (int id : {ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, ID_EDIT_DELETE, ID_OPEN_CONTENTS})
        m_editBar->addAction(m_commands->action(id));
    m_editBar->addSeparator();
    m_editBar->addAction(m_commands->action(ID_PLAY_CHANNEL));

    for (QToolBar* bar : {m_fileBar, m_editBar})
        connect(bar, &QToolBar::visibilityChanged, m_commands, &CommandTable::updateStates);
}

void CMainFrame::createStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar"));

    m_ready = new QLabel(tr("Ready"), bar);
    m_ready->setObjectName(QStringLiteral("MessagePane"));
    bar->addWidget(m_ready, 1);

    m_description = new QLabel(bar);
    m_description->setObjectName(QStringLiteral("DescriptionPane"));
    const QFontMetrics metrics(bar->font());
    const int width = std::max(metrics.horizontalAdvance(QLatin1Char(' ')) * 80,
                               WidestDescription(metrics) + metrics.averageCharWidth() * 2);
    m_description->setFixedWidth(width);
    m_description->setFrameShape(QFrame::Panel);
    m_description->setFrameShadow(QFrame::Sunken);
    bar->addPermanentWidget(m_description);

    m_playTime = new QLabel(bar);
    m_playTime->setObjectName(QStringLiteral("PlayTimePane"));
    m_playTime->setMinimumWidth(metrics.averageCharWidth() * 26);
    m_playTime->setFrameShape(QFrame::Panel);
    m_playTime->setFrameShadow(QFrame::Sunken);
    m_playTime->setToolTip(tr("Play time of the channel under the cursor"));
    bar->addPermanentWidget(m_playTime);

    // Qt does not report the lock keys' state: the indicators stay blank.
    m_caps = new QLabel(bar);
    m_caps->setObjectName(QStringLiteral("CapsLockPane"));
    m_num = new QLabel(bar);
    m_num->setObjectName(QStringLiteral("NumLockPane"));
    for (QLabel* pane : {m_caps, m_num}) {
        pane->setFixedWidth(metrics.horizontalAdvance(QStringLiteral(" CAP ")) + 4);
        pane->setFrameShape(QFrame::Panel);
        pane->setFrameShadow(QFrame::Sunken);
        bar->addPermanentWidget(pane);
    }
}

void CMainFrame::LoadBarState()
{
    const QByteArray layout = kBarLayout.get();
    if (!layout.isEmpty())
        restoreState(layout);
    statusBar()->setVisible(kStatusBarShown.get());
    // The smallest size that still shows the bars, a few rows and the status panes.
    RestoreWindowPlacement(this, kGeometry.get(), QSize(480, 320));
    m_commands->updateStates();
}

void CMainFrame::SaveBarState() const
{
    kBarLayout.set(saveState());
    kStatusBarShown.set(!statusBar()->isHidden());
    kGeometry.set(saveGeometry());
}
