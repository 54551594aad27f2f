#pragma once

#include "textcommands.h"

#include <QObject>
#include <QPointer>

#include <vector>

// The slot tables of the open editor windows. Slot 0 exists but is never given to a window;
// a closed window's slot is reused before the tables grow.
class EditorSlots {
public:
    struct State {
        bool deleted = false;
        bool dirty = false;
        // The slot's sequence numbering, handed from one window of the slot to the next.
        SequenceNumbering numbering = SequenceNumbering();
    };

    EditorSlots();

    // Back to slot 0 alone. Refused while an editor window is open, whose slot would be lost.
    bool reset();
    // FindFreeSlot: the first freed slot, else a new one at the end.
    int findFreeSlot();
    // AnyEditorOpen
    bool anyEditorOpen() const;
    int lastSlot() const { return int(m_states.size()) - 1; }
    bool isValid(int slot) const { return slot >= 1 && slot <= lastSlot(); }

    State &state(int slot) { return m_states.at(size_t(slot)); }
    const State &state(int slot) const { return m_states.at(size_t(slot)); }
    qint32 program(int slot) const { return m_programs.at(size_t(slot)); }
    void setProgram(int slot, qint32 number) { m_programs.at(size_t(slot)) = number; }
    QObject *window(int slot) const { return m_windows.at(size_t(slot)); }
    void setWindow(int slot, QObject *window) { m_windows.at(size_t(slot)) = window; }

private:
    std::vector<QPointer<QObject>> m_windows;
    std::vector<qint32> m_programs;
    std::vector<State> m_states;
};
