// The decisions of the program's message box, kept apart from its window: which buttons a
// style shows and what they return, the icon, the default button, what Escape does and
// how much the box grows for a long message.
#pragma once

#include "core/messageboxstyle.h"

#include <QString>

#include <array>

enum class MessageIcon { None, Stop, Question, Exclamation, Information };

struct MessageButton {
    unsigned nTextId = 0; // string-table id of the label; 0 = the position stays empty
    int nResult = 0;
};

// Left, middle and right position.
using MessageButtonRow = std::array<MessageButton, 3>;

class CKVMessageBoxLogic {
public:
    // Button sets above 5 are shown as set 0.
    static int GetButtonSet(unsigned nStyle);
    static MessageButtonRow GetButtons(unsigned nStyle);
    static MessageIcon GetIcon(unsigned nStyle);
    // Position (0 left .. 2 right) of the default button among the shown ones.
    static int GetDefaultPosition(unsigned nStyle);
    // What Escape and the close command return; 0 when they are ignored.
    static int GetEscapeResult(unsigned nStyle);

    // What a box closed from outside (the program is ending) answers: what Escape would, or
    // the default button where Escape is not allowed.
    static int GetClosedResult(unsigned nStyle);

    // The help topic behind a details text, or -1 when it is plain details.
    static int GetHelpTopic(const QString& strDetails);

    // Lines the message needs at 80 narrow characters a line; a wide (CJK) character
    // counts as two, as it did in the 8-bit code pages.
    static int EstimateLineCount(const QString& strMessage);
    // Pixels the box grows (or shrinks, below zero) for the message: -48 .. 264.
    static int GetGrowth(const QString& strMessage);

    static constexpr int kMinGrowth = -48;
    static constexpr int kMaxGrowth = 264;
};
