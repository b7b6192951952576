#include "keymappingflow.h"

KeyMappingFlow::Action KeyMappingFlow::step(Event event)
{
    const bool pick = event == Event::Click || event == Event::Button;
    switch (m_state) {
    case State::Starting:
        if (event != Event::Init) return Action::None;
        m_state = State::ChoosingCharacter;
        return Action::ShowFirstMessage;
    case State::ChoosingCharacter:
        if (pick && m_keyGiven) return Action::MapGivenKeyAndClose;
        if (pick) {
            m_state = State::AwaitingKey;
            return Action::AskForKey;
        }
        return event == Event::Reset || event == Event::Key ? Action::ShowRemapMessage : Action::None;
    case State::AwaitingKey:
        if (event == Event::Key) {
            m_state = State::ChoosingCharacter;
            return Action::MapPressedKey;
        }
        if (event == Event::Reset || event == Event::Init) {
            m_state = State::ChoosingCharacter;
            return Action::ShowRemapMessage;
        }
        return Action::None;
    }
    return Action::None;
}
