#include "app/module1.h"
#include "fakes/fake_services.h"
#include "ui/main/form1.h"

#include <QLineEdit>
#include <gtest/gtest.h>

namespace quilvane {
namespace {

TEST(Form1Test, Builds) {
    FakeServices fakes;
    Module1 module;
    module.reg_Last_Color = "128128128";
    Form1 form(module, fakes.services);
    EXPECT_EQ(form.Text2->text(), QStringLiteral("808080"));
}

} // namespace
} // namespace quilvane
