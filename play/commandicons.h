// The main window's pictures, drawn by the program: the toolbar's command icons (each mode
// also as its "exit" picture while it runs) and the verdict marks.
#pragma once

#include <QIcon>
#include <QPixmap>

enum class CommandIcon {
    StandardRule,
    AdvancedRule,
    JQK,
    Training,
    TrainingGame,
    WorldCup,
    CheckSolution,
    SaveTroubleMaker,
    SaveMyFavorite,
    Exit,
    TroubleMaker,
    MyFavorite,
    CompleteList,
    Help,
    About,
};

// bExit: the mode's picture with the leave mark, shown while that mode runs.
QIcon GetCommandIcon(CommandIcon icon, bool bExit = false);
// The verdict mark for an answered question: a tick, or a cross.
QPixmap GetVerdictPixmap(bool bCorrect, int nSize);
