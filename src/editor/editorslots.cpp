#include "editorslots.h"

EditorSlots::EditorSlots() : m_windows(1), m_programs(1, 0), m_states(1) {}

bool EditorSlots::reset()
{
    if (anyEditorOpen())
        return false;
    m_windows.assign(1, nullptr);
    m_programs.assign(1, 0);
    m_states.assign(1, State{});
    return true;
}

int EditorSlots::findFreeSlot()
{
    for (int slot = 1; slot <= lastSlot(); ++slot) {
        if (m_states[size_t(slot)].deleted) {
            m_states[size_t(slot)].deleted = false;
            return slot;
        }
    }
    m_windows.emplace_back();
    m_programs.push_back(0);
    m_states.emplace_back();
    return lastSlot();
}

bool EditorSlots::anyEditorOpen() const
{
    for (int slot = 1; slot <= lastSlot(); ++slot) {
        if (!m_states[size_t(slot)].deleted)
            return true;
    }
    return false;
}
