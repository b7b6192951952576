#include "lcdtextbox/keymappingflow.h"

#include <gtest/gtest.h>

namespace {

using Action = KeyMappingFlow::Action;
using Event = KeyMappingFlow::Event;
using State = KeyMappingFlow::State;

} // namespace

TEST(KeyMappingFlow, APickWaitsForTheKeyAndTheKeyMapsIt)
{
    KeyMappingFlow flow(false);
    EXPECT_EQ(flow.step(Event::Click), Action::None); // nothing before the dialog is set up
    EXPECT_EQ(flow.step(Event::Init), Action::ShowFirstMessage);
    EXPECT_EQ(flow.step(Event::Key), Action::ShowRemapMessage); // a key before a pick maps nothing
    EXPECT_EQ(flow.step(Event::Button), Action::AskForKey);
    // Clicking another character while waiting keeps waiting, for the new character.
    EXPECT_EQ(flow.step(Event::Click), Action::None);
    EXPECT_EQ(flow.state(), State::AwaitingKey);
    EXPECT_EQ(flow.step(Event::Key), Action::MapPressedKey);
    EXPECT_EQ(flow.state(), State::ChoosingCharacter);
}

TEST(KeyMappingFlow, ResetEndsTheWaitWithoutMapping)
{
    KeyMappingFlow flow(false);
    flow.step(Event::Init);
    flow.step(Event::Click);
    EXPECT_EQ(flow.step(Event::Reset), Action::ShowRemapMessage);
    EXPECT_EQ(flow.step(Event::Key), Action::ShowRemapMessage);
    EXPECT_EQ(flow.state(), State::ChoosingCharacter);
}

TEST(KeyMappingFlow, AGivenKeyIsMappedByThePickAlone)
{
    KeyMappingFlow flow(true);
    flow.step(Event::Init);
    EXPECT_EQ(flow.step(Event::Click), Action::MapGivenKeyAndClose);
}
