#pragma once

#include <QApplication>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>

// A QApplication for the whole test run, made before the first test and gone before the
// program's end. Register it with ::testing::AddGlobalTestEnvironment.
class ApplicationEnvironment : public ::testing::Environment {
public:
    explicit ApplicationEnvironment(std::string name) : name_(std::move(name)) {}

    void SetUp() override
    {
        argv_[0] = name_.data();
        app_ = std::make_unique<QApplication>(argc_, argv_);
    }
    void TearDown() override { app_.reset(); }

private:
    std::string name_;
    int argc_ = 1;
    char* argv_[2] = {nullptr, nullptr};
    std::unique_ptr<QApplication> app_;
};
