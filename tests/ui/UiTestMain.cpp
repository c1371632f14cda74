// Window tests need one QApplication for the whole run; GoogleTest's own main runs the tests.
#include <gtest/gtest.h>

#include <QApplication>

namespace {

class QtApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        if (QApplication::instance() == nullptr) {
            static int argc = 1;
            static char name[] = "ui_tests";
            static char* argv[] = {name, nullptr};
            m_application = new QApplication(argc, argv);
        }
    }
    void TearDown() override {
        delete m_application;
        m_application = nullptr;
    }

private:
    QApplication* m_application = nullptr;
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

}  // namespace
