// The link to the host's automation object, used from a window thread of its
// own as the module does, with the test playing the host.
#include <gtest/gtest.h>

#include <atomic>
#include <optional>
#include <string>
#include <thread>

#include "tests/win32/test_host.h"
#include "tests/win32/window_helpers.h"
#include "windows/host_app.h"

using namespace platform;
using namespace windows;

namespace {

// What a window thread got from the host through the link.
struct Answers {
    bool bound = false;
    std::optional<double> frequency;
    std::optional<std::string> mode;
    std::optional<std::string> callsign;
    std::optional<std::string> unsetField;
    bool macroTaken = false;
};

Answers AskTheHost(HostConnection& link) {
    CHostApp& host = link.m_HostApp;
    Answers answers;
    answers.bound = host.IsBound() && link.m_pHostDispatch != nullptr;
    answers.frequency = host.GetFrequency();
    answers.mode = host.GetMode();
    if (std::optional<ComVariant> field = host.GetField(5)) {
        answers.callsign = TextOf(field->Value());
    }
    if (std::optional<ComVariant> field = host.GetField(3)) {
        answers.unsetField = TextOf(field->Value());
    }
    answers.macroTaken = host.RunMacro("<SP1>");
    return answers;
}

Answers ConnectAndAsk(HostConnection& link) {
    Answers answers;
    RunOnOtherThread([&] {
        link.Connect();
        answers = AskTheHost(link);
        link.Disconnect();
    });
    return answers;
}

void ExpectNoAnswers(const Answers& answers) {
    EXPECT_FALSE(answers.frequency.has_value());
    EXPECT_FALSE(answers.mode.has_value());
    EXPECT_FALSE(answers.callsign.has_value());
    EXPECT_FALSE(answers.unsetField.has_value());
    EXPECT_FALSE(answers.macroTaken);
}

}  // namespace

TEST(HostLink, ReadsTheHostsStateAndSendsMacrosFromAnotherThread) {
    TestHost host;
    ASSERT_TRUE(host.Publication().IsPublished());
    host.Object().SetFrequency(28400000.0);
    host.Object().SetMode("SSB");
    host.Object().SetField(5, "K1ABC");

    HostConnection link;
    const Answers answers = ConnectAndAsk(link);
    EXPECT_TRUE(answers.bound);
    EXPECT_EQ(28400000.0, answers.frequency.value_or(-1));
    EXPECT_EQ("SSB", answers.mode.value_or("<none>"));
    EXPECT_EQ("K1ABC", answers.callsign.value_or("<none>"));
    EXPECT_EQ("", answers.unsetField.value_or("<none>")) << "a field that is no string reads empty";
    EXPECT_TRUE(answers.macroTaken);
    // The host answers only calls of the right kind: property gets for the
    // frequency and the mode, methods for the field and the macro.
    const std::vector<std::string> calls = {"GetFrequency", "GetMode", "GetField 5", "GetField 3",
                                            "RunMacro <SP1>"};
    EXPECT_EQ(calls, host.Object().Calls());
    EXPECT_EQ(std::vector<std::string>{"<SP1>"}, host.Object().Macros());
    EXPECT_EQ(nullptr, link.m_pHostDispatch) << "released by Disconnect";
}

TEST(HostLink, WithoutARunningHostEveryOperationDoesNothing) {
    HostConnection link;
    const Answers answers = ConnectAndAsk(link);
    EXPECT_FALSE(answers.bound);
    ExpectNoAnswers(answers);
}

TEST(HostLink, AFailingHostCallReportsFailureToTheCaller) {
    TestHost host;
    host.Object().SetFailing(true);
    HostConnection link;
    const Answers answers = ConnectAndAsk(link);
    EXPECT_TRUE(answers.bound);
    ExpectNoAnswers(answers);
    EXPECT_TRUE(host.Object().Calls().empty());
}

TEST(HostLink, AHostThatHasGoneAwayReportsFailure) {
    TestHost host;
    std::atomic<bool> connected{false};
    std::atomic<bool> done{false};
    HANDLE withdrawn = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    Answers answers;
    HostConnection link;
    std::thread window([&] {
        link.Connect();
        connected = true;
        WaitForSingleObject(withdrawn, 10000);
        answers = AskTheHost(link);
        link.Disconnect();
        done = true;
    });
    ASSERT_TRUE(PumpMessagesUntil([&] { return connected.load(); }));
    host.Publication().Withdraw();
    SetEvent(withdrawn);
    PumpMessagesUntil([&] { return done.load(); });
    window.join();
    CloseHandle(withdrawn);
    EXPECT_TRUE(answers.bound);
    ExpectNoAnswers(answers);
}

TEST(HostLink, TheHostRegistersItsProgId) {
    TestHost host;
    char value[64] = "";
    LONG size = sizeof value;
    ASSERT_EQ(ERROR_SUCCESS,
              RegQueryValueA(HKEY_CLASSES_ROOT, "Vexo2.Application\\CLSID", value, &size));
    EXPECT_STREQ("{286166DE-4B0C-4617-BE6D-D3FE692AE83E}", value);
    CLSID clsid;
    ASSERT_EQ(S_OK, CLSIDFromProgID(L"Vexo2.Application", &clsid));
    EXPECT_TRUE(IsEqualCLSID(CLSID_VexoApplication, clsid));
}

TEST(HostAutomation, AnswersOnlyCallsOfTheRightKindAndArgumentCount) {
    TestHost host;
    VARIANTARG argument;
    VariantInit(&argument);
    argument.vt = VT_I4;
    argument.lVal = 5;
    struct Case {
        DISPID id;
        WORD kind;
        UINT arguments;
        HRESULT expected;
    } const cases[] = {
        {2, DISPATCH_PROPERTYGET, 0, S_OK},
        {2, DISPATCH_METHOD, 0, DISP_E_MEMBERNOTFOUND},
        {2, DISPATCH_PROPERTYGET, 1, DISP_E_BADPARAMCOUNT},
        {7, DISPATCH_PROPERTYGET, 0, S_OK},
        {7, DISPATCH_PROPERTYPUT, 1, DISP_E_MEMBERNOTFOUND},
        {8, DISPATCH_METHOD, 1, S_OK},
        {8, DISPATCH_METHOD, 0, DISP_E_BADPARAMCOUNT},
        {8, DISPATCH_PROPERTYGET, 1, DISP_E_MEMBERNOTFOUND},
        {16, DISPATCH_METHOD, 1, S_OK},
        {16, DISPATCH_METHOD | DISPATCH_PROPERTYGET, 1, S_OK},
        {3, DISPATCH_METHOD, 0, DISP_E_MEMBERNOTFOUND},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "dispid " << c.id << " kind " << c.kind);
        DISPPARAMS params{c.arguments ? &argument : nullptr, nullptr, c.arguments, 0};
        ComVariant result;
        EXPECT_EQ(c.expected, host.Object().Invoke(c.id, IID_NULL, 0, c.kind, &params, result.Get(),
                                                   nullptr, nullptr));
    }
    EXPECT_EQ((std::vector<std::string>{"5", "5"}), host.Object().Macros()) << "the number as text";
}
