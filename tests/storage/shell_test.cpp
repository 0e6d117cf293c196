// shell_test.cpp: openWithShell hands its text to the platform layer unchanged.
#include "storage/shell.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// This executable replaces the platform layer's hand-over with a recording stand-in, so no
// test ever opens anything. It accepts everything but "refuse".
static std::vector<std::string> handedOver;
bool platformOpenUrl(const char* url)
{
    handedOver.emplace_back(url);
    return handedOver.back() != "refuse";
}

TEST(OpenWithShell, PassesTheTextAndTheSystemsAnswer)
{
    EXPECT_TRUE(openWithShell("https://example.org/help?page=2"));
    EXPECT_FALSE(openWithShell("refuse") || openWithShell(BWString()) || openWithShell(""));
    EXPECT_EQ(handedOver, (std::vector<std::string>{"https://example.org/help?page=2", "refuse"}));
}
