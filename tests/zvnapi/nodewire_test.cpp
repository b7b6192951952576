#include "nodewire.h"

#include <gtest/gtest.h>

namespace {

using NodeWire::Kind;
using NodeWire::Take;

NodeWire::Request download(std::string name, std::string body)
{
    NodeWire::Request request;
    request.kind = Kind::Download;
    request.node = "7.4";
    request.name = std::move(name);
    request.body = std::move(body);
    return request;
}

TEST(NodeWireRequests, AreWrittenAsOneLineAndTheFileBytes)
{
    NodeWire::Request check;
    check.node = "1.4";
    EXPECT_EQ(NodeWire::formatRequest(check).value(), "CHECK 1 1.4\n");

    NodeWire::Request read;
    read.kind = Kind::Read;
    read.number = 2147483647;
    read.node = "255.4";
    read.menu = 40;
    read.parameter = 52;
    EXPECT_EQ(NodeWire::formatRequest(read).value(), "READ 2147483647 255.4 40 52\n");

    NodeWire::Request transfer = download("063", std::string("a\nb\0", 4));
    transfer.number = 12;
    EXPECT_EQ(NodeWire::formatRequest(transfer).value(), std::string("DOWNLOAD 12 7.4 063 4\na\nb\0", 26));
}

TEST(NodeWireRequests, FieldsThatCannotTravelAreRefused)
{
    NodeWire::Request check;
    for (const char* node : {"", "1 .4", "1.4\n", "\x01", "caf\xe9"}) {
        check.node = node;
        EXPECT_FALSE(NodeWire::formatRequest(check)) << node;
    }
    EXPECT_FALSE(NodeWire::formatRequest(download("0 1", "x")));
    EXPECT_FALSE(NodeWire::formatRequest(download("", "x")));
    check.node = "1.4";
    check.number = 0;
    EXPECT_FALSE(NodeWire::formatRequest(check));
    EXPECT_TRUE(NodeWire::formatRequest(download("000", std::string(NodeWire::kMaxBody, 'x'))));
    EXPECT_FALSE(NodeWire::formatRequest(download("000", std::string(NodeWire::kMaxBody + 1, 'x'))));
}

TEST(NodeWireRequests, AreTakenOneAtATimeFromTheFront)
{
    std::string buffer = std::string("DOWNLOAD 5 7.4 001 3\n\0\n\x02", 24) + "CHECK 6 2.4\n";
    NodeWire::Request request;
    ASSERT_EQ(NodeWire::takeRequest(buffer, request), Take::Complete);
    EXPECT_EQ(request.kind, Kind::Download);
    EXPECT_EQ(request.number, 5);
    EXPECT_EQ(request.node, "7.4");
    EXPECT_EQ(request.name, "001");
    EXPECT_EQ(request.body, std::string("\0\n\x02", 3));
    ASSERT_EQ(NodeWire::takeRequest(buffer, request), Take::Complete);
    EXPECT_EQ(request.kind, Kind::Check);
    EXPECT_EQ(request.number, 6);
    EXPECT_EQ(request.node, "2.4");
    EXPECT_TRUE(buffer.empty());
    EXPECT_EQ(NodeWire::takeRequest(buffer, request), Take::Incomplete);
}

TEST(NodeWireRequests, EveryTruncationWaitsForTheRest)
{
    const std::string whole = NodeWire::formatRequest(download("127", std::string(2048, '\0'))).value();
    for (std::size_t length = 0; length < whole.size(); ++length) {
        std::string buffer = whole.substr(0, length);
        NodeWire::Request request;
        ASSERT_EQ(NodeWire::takeRequest(buffer, request), Take::Incomplete) << length;
        EXPECT_EQ(buffer.size(), length);
    }
}

TEST(NodeWireRequests, MalformedInputIsRejectedNotGuessed)
{
    for (const char* line : {"HELLO 1 1.4\n", "CHECK 1\n", "CHECK 1.4\n", "CHECK 0 1.4\n", "CHECK -3 1.4\n",
                             "CHECK 1 1.4 2\n", "READ 1 1.4 40\n", "READ 1 1.4 40 x\n", "READ 1 1.4 99999999999 1\n",
                             "DOWNLOAD 1 1.4 000 -1\n", "DOWNLOAD 1 1.4 000 4097\n", "DOWNLOAD 1 1.4 000 12x\n",
                             "DOWNLOAD 1.4 000 3\n", "check 1 1.4\n", "CHECK 1  1.4\n"}) {
        std::string buffer = line;
        NodeWire::Request request;
        EXPECT_EQ(NodeWire::takeRequest(buffer, request), Take::Malformed) << line;
        EXPECT_EQ(buffer, line);
    }
    std::string endless(NodeWire::kMaxLine + 1, 'C');
    NodeWire::Request request;
    EXPECT_EQ(NodeWire::takeRequest(endless, request), Take::Malformed);
}

TEST(NodeWireAnswers, RoundTripWithNegativeValues)
{
    std::string buffer = NodeWire::formatAnswer({17, 0, -5, 40});
    EXPECT_EQ(buffer, "ANSWER 40 17 0 -5\n");
    NodeWire::Answer answer;
    ASSERT_EQ(NodeWire::takeAnswer(buffer, answer), Take::Complete);
    EXPECT_EQ(answer.number, 40);
    EXPECT_EQ(answer.code, 17);
    EXPECT_EQ(answer.value, -5);
    EXPECT_TRUE(buffer.empty());

    std::string partial = "ANSWER 3 21 2";
    EXPECT_EQ(NodeWire::takeAnswer(partial, answer), Take::Incomplete);
    // An answer without its request's number cannot be matched to a request.
    for (const char* line : {"ANSWER 21 2 0\n", "ANSWER 0 21 2 0\n", "ANSWER x 21 2 0\n"}) {
        std::string wrong = line;
        EXPECT_EQ(NodeWire::takeAnswer(wrong, answer), Take::Malformed) << line;
    }
}

} // namespace
