#include "printing/RecordingCanvas.h"

#include <gtest/gtest.h>

TEST(ComposeTest, Placeholder) {
    SUCCEED();
}
