#include "process/appexec.h"

#include "tests/support/stringlist_items.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Records its own destruction, to show that its owner was freed.
class Probe : public TComponent {
public:
    Probe(TComponent* owner, bool& destroyed) : TComponent(owner), destroyed_(destroyed) {}
    ~Probe() override { destroyed_ = true; }

private:
    bool& destroyed_;
};

TEST(AppExec, NewComponentValues) {
    const TAppExec exec(nullptr);
    EXPECT_EQ(exec.ErrNo(), -1);
    EXPECT_TRUE(exec.ChangeDir());
    EXPECT_FALSE(exec.Wait());
    EXPECT_EQ(exec.WindowState(), wsNormal);
    EXPECT_EQ(exec.ShowCommand(), 1);
    EXPECT_EQ(exec.ExeName(), "");
    EXPECT_EQ(exec.ExePath(), "");
    ASSERT_NE(exec.ExeParams(), nullptr);
    EXPECT_EQ(exec.ExeParams()->Count(), 0);
}

TEST(AppExec, ShowCommandFollowsWindowState) {
    struct Step {
        TWindowState state;
        std::uint16_t showCommand;
    };
    // Back and forth, and each state set twice in a row.
    const Step steps[] = {{wsMinimized, 2}, {wsMinimized, 2}, {wsMaximized, 3}, {wsNormal, 1},
                          {wsNormal, 1},    {wsMaximized, 3}, {wsMinimized, 2}, {wsNormal, 1}};
    TAppExec exec(nullptr);
    int index = 0;
    for (const Step& step : steps) {
        exec.SetWindowState(step.state);
        EXPECT_EQ(exec.WindowState(), step.state) << "step " << index;
        EXPECT_EQ(exec.ShowCommand(), step.showCommand) << "step " << index;
        ++index;
    }
}

TEST(AppExec, ExeParamsCopiesIntoItsOwnList) {
    TAppExec exec(nullptr);
    TStringList* own = exec.ExeParams();
    TStringList given;
    for (const char* item : {"a", "b", "a"}) {
        given.Add(item);
    }
    exec.SetExeParams(&given);
    EXPECT_EQ(exec.ExeParams(), own) << "the list object was replaced";
    EXPECT_EQ(ItemsOf(*own), (std::vector<std::string>{"a", "b", "a"}));
    given.Add("later");
    given.Clear();
    EXPECT_EQ(ItemsOf(*own), (std::vector<std::string>{"a", "b", "a"}))
        << "the component shares the caller's list";
}

TEST(AppExec, ExeParamsReplacesNeverAppends) {
    TAppExec exec(nullptr);
    exec.ExeParams()->Add("old");
    const TStringList empty;
    exec.SetExeParams(&empty);
    EXPECT_EQ(exec.ExeParams()->Count(), 0);
}

TEST(AppExec, ExeParamsWithoutAListRaisesAndKeepsItems) {
    TAppExec exec(nullptr);
    exec.ExeParams()->Add("kept");
    EXPECT_THROW(exec.SetExeParams(nullptr), EConvertError);
    EXPECT_EQ(ItemsOf(*exec.ExeParams()), std::vector<std::string>{"kept"});
}

TEST(AppExec, OwnerFreesTheComponentButNeverTheCallersList) {
    bool childOfComponentDestroyed = false;
    auto* owner = new TComponent(nullptr);
    auto* exec = new TAppExec(owner);
    new Probe(exec, childOfComponentDestroyed);
    TStringList given;
    given.Add("mine");
    exec->SetExeParams(&given);
    delete owner;
    EXPECT_TRUE(childOfComponentDestroyed) << "the owner did not free the component";
    EXPECT_EQ(ItemsOf(given), std::vector<std::string>{"mine"});
}

TEST(AppExec, ExceptionFamily) {
    try {
        throw EAppExecChDir("chdir");
    } catch (const EAppExecWinExec&) {
        ADD_FAILURE() << "EAppExecWinExec caught EAppExecChDir";
    } catch (const EAppExec& caught) {
        EXPECT_STREQ(caught.ClassName(), "EAppExecChDir");
        EXPECT_EQ(caught.Message(), "chdir");
    }
    try {
        throw EAppExecWinExec("winexec");
    } catch (const EAppExecChDir&) {
        ADD_FAILURE() << "EAppExecChDir caught EAppExecWinExec";
    } catch (const EAppExec& caught) {
        EXPECT_STREQ(caught.ClassName(), "EAppExecWinExec");
        EXPECT_EQ(caught.Message(), "winexec");
    }
    try {
        throw EAppExec("base");
    } catch (const Exception& caught) {
        EXPECT_STREQ(caught.ClassName(), "EAppExec");
    }
}

std::vector<std::string> NamesOf(const std::vector<PublishedProperty>& properties) {
    std::vector<std::string> names;
    for (const PublishedProperty& property : properties) {
        names.emplace_back(property.name);
    }
    return names;
}

// Nine in all: the component's two, then the launcher's seven. A layout's Left and Top of a
// non-visual component are taken, but not published.
TEST(AppExecPublished, OwnPropertiesInOrderAfterTheComponents) {
    const ComponentClass& type = TAppExec::Class();
    EXPECT_EQ(type.name, "TAppExec");
    ASSERT_EQ(type.parent, &ComponentBaseClass());
    EXPECT_EQ(NamesOf(type.parent->properties), (std::vector<std::string>{"Name", "Tag"}));
    EXPECT_EQ(NamesOf(type.properties),
              (std::vector<std::string>{"ChangeDir", "ErrNo", "ExeName", "ExeParams", "ExePath",
                                        "Wait", "WindowState"}));
    EXPECT_NE(type.FindProperty("Left"), nullptr);
    EXPECT_NE(type.FindProperty("Top"), nullptr);
}

TEST(AppExecPublished, LayoutCreatesAndSetsByName) {
    TComponent owner(nullptr);
    TComponent* created = TAppExec::Class().create(&owner);
    auto* exec = dynamic_cast<TAppExec*>(created);
    ASSERT_NE(exec, nullptr);
    EXPECT_EQ(owner.Components(), std::vector<TComponent*>{created});

    const ComponentClass& type = TAppExec::Class();
    SetPublishedProperty(type, *exec, "Name", std::string("AppExec"));
    SetPublishedProperty(type, *exec, "ExeName", std::string("Setup1.exe"));
    SetPublishedProperty(type, *exec, "Wait", false);
    SetPublishedProperty(type, *exec, "WindowState", Identifier{"wsNormal"});
    EXPECT_EQ(exec->Name(), "AppExec");
    EXPECT_EQ(exec->ExeName(), "Setup1.exe");
    EXPECT_FALSE(exec->Wait());
    EXPECT_EQ(exec->ShowCommand(), 1);
    EXPECT_TRUE(exec->ChangeDir()) << "a layout without ChangeDir leaves it true";

    SetPublishedProperty(type, *exec, "Wait", true);
    SetPublishedProperty(type, *exec, "WindowState", Identifier{"wsMaximized"});
    SetPublishedProperty(type, *exec, "ChangeDir", false);
    SetPublishedProperty(type, *exec, "ExePath", std::string("C:\\Temp\\"));
    SetPublishedProperty(type, *exec, "ExeParams", StringItems{{"a", "b"}});
    EXPECT_TRUE(exec->Wait());
    EXPECT_EQ(exec->WindowState(), wsMaximized);
    EXPECT_EQ(exec->ShowCommand(), 3);
    EXPECT_FALSE(exec->ChangeDir());
    EXPECT_EQ(exec->ExePath(), "C:\\Temp");
    EXPECT_EQ(ItemsOf(*exec->ExeParams()), (std::vector<std::string>{"a", "b"}));
}

TEST(AppExecPublished, ErrNoIsReadOnly) {
    TAppExec exec(nullptr);
    EXPECT_THROW(SetPublishedProperty(TAppExec::Class(), exec, "ErrNo", std::int64_t{0}),
                 EConvertError);
    EXPECT_EQ(exec.ErrNo(), -1);
}

TEST(AppExecPublished, UnknownWindowStateRaises) {
    TAppExec exec(nullptr);
    EXPECT_THROW(
        SetPublishedProperty(TAppExec::Class(), exec, "WindowState", Identifier{"wsHidden"}),
        EConvertError);
    EXPECT_EQ(exec.WindowState(), wsNormal);
}

} // namespace
