#include "nodesimulator.h"

#include <gtest/gtest.h>

#include <QThread>

namespace {

// Talks to the node as the library does, one request and its answer at a time.
NodeWire::Answer ask(const LoopbackSocket& socket, const NodeWire::Request& request)
{
    EXPECT_TRUE(socket.sendAll(NodeWire::formatRequest(request).value(), 2000));
    std::string received;
    NodeWire::Answer answer{-1, -1, -1};
    for (int round = 0; round < 200; ++round) {
        if (!socket.receive(received, 50)) break;
        if (NodeWire::takeAnswer(received, answer) == NodeWire::Take::Complete) break;
    }
    return answer;
}

NodeWire::Request segment(const char* name, std::string body)
{
    NodeWire::Request request;
    request.kind = NodeWire::Kind::Download;
    request.node = "3.4";
    request.name = name;
    request.body = std::move(body);
    return request;
}

TEST(NodeSimulator, PutsTheImageBackTogetherFromTheSegmentsItTook)
{
    NodeSimulator::Config config;
    config.nodeAddress = 3;
    NodeSimulator node(config);
    ASSERT_NE(node.start(), 0);
    const LoopbackSocket socket = LoopbackSocket::connectTo(node.port(), 2000);
    ASSERT_TRUE(socket.valid());

    // An image of 1,036 bytes: 1,024 in segment 000, 13 positions in 001 (the 13th is
    // the zero just past the image), then two filler bytes for each of the other 1,011.
    const std::string first(1024, 'A');
    const std::string second = std::string(12, 'B') + '\0' + std::string(2 * 1011, '\0');
    ASSERT_EQ(second.size(), 2035u);
    EXPECT_EQ(ask(socket, segment("000", first)).data, 1);
    EXPECT_EQ(ask(socket, segment("001", second)).data, 1);
    EXPECT_EQ(ask(socket, segment("063", std::string(2048, '\0'))).data, 1);
    EXPECT_EQ(node.image(), first + std::string(12, 'B') + '\0');
    EXPECT_EQ(node.accepted(), (std::vector<std::string>{"000", "001", "063"}));
}

TEST(NodeSimulator, RefusesASegmentAsOftenAsToldThenTakesIt)
{
    NodeSimulator::Config config;
    config.refusals["005"] = 2;
    NodeSimulator node(config);
    ASSERT_NE(node.start(), 0);
    const LoopbackSocket socket = LoopbackSocket::connectTo(node.port(), 2000);
    NodeWire::Request request = segment("005", std::string(1024, 'x'));
    request.node = "1.4";
    EXPECT_EQ(ask(socket, request).data, 0);
    EXPECT_EQ(ask(socket, request).data, 0);
    EXPECT_EQ(ask(socket, request).data, 1);
    EXPECT_EQ(node.accepted(), std::vector<std::string>{"005"});
}

TEST(NodeSimulator, HangsUpOnGarbageAndKeepsServingOthers)
{
    NodeSimulator node({});
    ASSERT_NE(node.start(), 0);
    const LoopbackSocket rude = LoopbackSocket::connectTo(node.port(), 2000);
    ASSERT_TRUE(rude.sendAll("HELLO THERE\n", 2000));
    std::string ignored;
    bool open = true;
    for (int round = 0; round < 100 && open; ++round) open = rude.receive(ignored, 50);
    EXPECT_FALSE(open);

    const LoopbackSocket polite = LoopbackSocket::connectTo(node.port(), 2000);
    NodeWire::Request check;
    check.node = "1.4";
    EXPECT_EQ(ask(polite, check).code, 21);
}

TEST(NodeSimulator, ServesOnlyAFewCallersAtOnce)
{
    NodeSimulator node({});
    ASSERT_NE(node.start(), 0);
    std::vector<LoopbackSocket> callers;
    NodeWire::Request check;
    check.node = "1.4";
    for (int i = 0; i < NodeSimulator::kMaxClients; ++i) {
        callers.push_back(LoopbackSocket::connectTo(node.port(), 2000));
        EXPECT_EQ(ask(callers.back(), check).code, 21);
    }
    const LoopbackSocket extra = LoopbackSocket::connectTo(node.port(), 2000);
    std::string ignored;
    bool open = true;
    for (int round = 0; round < 100 && open; ++round) open = extra.receive(ignored, 50);
    EXPECT_FALSE(open);
}

} // namespace
