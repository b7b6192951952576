#pragma once

// The steps by which the character map gives a keyboard key to a keypad character: the user
// picks the character, then presses the key. When the map opened for a key that has no
// character yet, the pick alone completes the mapping.
class KeyMappingFlow {
public:
    enum class State { Starting, ChoosingCharacter, AwaitingKey };
    enum class Event { Init, Click, Button, Reset, Key };
    // What the dialog does for a step.
    enum class Action {
        None,
        ShowFirstMessage,
        ShowRemapMessage,
        AskForKey,
        MapGivenKeyAndClose,
        MapPressedKey, // and, in the single-pick modes, close
    };

    explicit KeyMappingFlow(bool keyGiven) : m_keyGiven(keyGiven) {}

    Action step(Event event);
    State state() const { return m_state; }

private:
    bool m_keyGiven;
    State m_state = State::Starting;
};
