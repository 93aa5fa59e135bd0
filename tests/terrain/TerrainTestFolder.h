#pragma once

#include "tests/support/HeadlessOgre.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

// A temporary folder for one test's terrain files, removed afterwards.
class TerrainTest : public ::testing::Test {
protected:
    void SetUp() override {
        directory = ::testing::TempDir() + "sahne_terrain_" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::filesystem::remove_all(directory);
        std::filesystem::create_directories(directory);
    }
    void TearDown() override { std::filesystem::remove_all(directory); }

    std::string directory;
};
