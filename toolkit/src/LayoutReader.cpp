#include "LayoutReader.h"

#include "Ansi.h"
#include "Bevel.h"
#include "BevelWidget.h"
#include "Button.h"
#include "CheckBox.h"
#include "CheckBoxWidget.h"
#include "Colors.h"
#include "Fonts.h"
#include "Form.h"
#include "FormState.h"
#include "FormWindow.h"
#include "Glyph.h"
#include "Image.h"
#include "ImageWidget.h"
#include "Label.h"
#include "LabelWidget.h"
#include "MainMenu.h"
#include "Memo.h"
#include "SpeedButton.h"
#include "SpeedButtonWidget.h"
#include "SysUtils.h"
#include "Timer.h"

#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <map>

// The properties of one object of a layout. Each read marks its property as known; Finish
// then rejects any property that nothing read, so a misspelt name cannot pass unseen.
class TProperties {
public:
    TProperties(QJsonObject Object, std::string Where)
        : Json(std::move(Object))
        , Location(std::move(Where))
    { }

    const std::string& Where() const { return Location; }
    bool Has(const char* Key) const { return Json.contains(QLatin1String(Key)); }

    [[noreturn]] void Fail(const std::string& Problem) const { throw Exception(Location + ": " + Problem); }

    // A text as the layout holds it, in UTF-8.
    std::string Text(const char* Key, const std::string& Default = {})
    {
        const QJsonValue Value = Take(Key);
        if (Value.isUndefined())
            return Default;
        if (!Value.isString())
            Fail(std::string("\"") + Key + "\" is not a text");
        return Value.toString().toStdString();
    }

    std::string RequiredText(const char* Key)
    {
        Require(Key);
        return Text(Key);
    }

    int Int(const char* Key)
    {
        Require(Key);
        return Int(Key, 0);
    }

    int Int(const char* Key, int Default)
    {
        const QJsonValue Value = Take(Key);
        if (Value.isUndefined())
            return Default;
        const double Number = Value.toDouble();
        const bool Integral = Value.isDouble() && Number == std::floor(Number);
        if (!Integral || Number < std::numeric_limits<int>::min() || Number > std::numeric_limits<int>::max())
            Fail(std::string("\"") + Key + "\" is not an integer");
        return static_cast<int>(Number);
    }

    bool Bool(const char* Key, bool Default)
    {
        const QJsonValue Value = Take(Key);
        if (Value.isUndefined())
            return Default;
        if (!Value.isBool())
            Fail(std::string("\"") + Key + "\" is not true or false");
        return Value.toBool();
    }

    TColor Color(const char* Key, TColor Default)
    {
        static const std::map<std::string, TColor> Named = {{"clBlack", clBlack}, {"clMaroon", clMaroon},
            {"clGreen", clGreen}, {"clTeal", clTeal}, {"clRed", clRed}, {"clAqua", clAqua},
            {"clFuchsia", clFuchsia}, {"clSkyBlue", clSkyBlue}, {"clCream", clCream},
            {"clMoneyGreen", clMoneyGreen}, {"clBtnFace", clBtnFace}, {"clWindowText", clWindowText},
            {"clBtnShadow", clBtnShadow}, {"clBtnHighlight", clBtnHighlight}};
        if (!Has(Key))
            return Default;
        if (Json.value(QLatin1String(Key)).isDouble())
            return Int(Key, Default);
        const std::string Name = Text(Key);
        const auto Found = Named.find(Name);
        if (Found == Named.end())
            Fail(std::string("\"") + Key + "\": unknown colour \"" + Name + "\"");
        return Found->second;
    }

    // The position of the value among Choices.
    std::size_t Choice(const char* Key, std::initializer_list<const char*> Choices, std::size_t Default)
    {
        if (!Has(Key))
            return Default;
        const std::string Value = Text(Key);
        for (std::size_t Index = 0; Index < Choices.size(); ++Index)
            if (Value == Choices.begin()[Index])
                return Index;
        Fail(std::string("\"") + Key + "\": unknown value \"" + Value + "\"");
    }

    QJsonObject Object(const char* Key)
    {
        const QJsonValue Value = Take(Key);
        if (!Value.isObject())
            Fail(std::string("\"") + Key + "\" is not an object");
        return Value.toObject();
    }

    QJsonArray Array(const char* Key)
    {
        const QJsonValue Value = Take(Key);
        if (Value.isUndefined())
            return {};
        if (!Value.isArray())
            Fail(std::string("\"") + Key + "\" is not a list");
        return Value.toArray();
    }

    void Finish() const
    {
        for (auto Key = Json.begin(); Key != Json.end(); ++Key)
            if (!Read.contains(Key.key()))
                Fail("unknown property \"" + Key.key().toStdString() + "\"");
    }

private:
    void Require(const char* Key) const
    {
        if (!Has(Key))
            Fail(std::string("missing property \"") + Key + "\"");
    }

    QJsonValue Take(const char* Key)
    {
        Read.insert(QLatin1String(Key));
        return Json.value(QLatin1String(Key));
    }

    QJsonObject Json;
    std::string Location;
    QSet<QString> Read;
};

namespace {

TLayoutFont ReadFont(TProperties& Props, const TLayoutFont& Default)
{
    if (!Props.Has("Font"))
        return Default;
    TProperties Font(Props.Object("Font"), Props.Where() + ": \"Font\"");
    TLayoutFont Result;
    Result.Height = Font.Int("Height", Result.Height);
    Result.Bold = Font.Bool("Bold", Result.Bold);
    Result.Color = Font.Color("Color", Result.Color);
    Font.Finish();
    return Result;
}

QByteArray ReadResource(const TProperties& Props, const std::string& File)
{
    QFile Resource(QStringLiteral(":/resources/") + QString::fromStdString(File));
    if (!Resource.open(QIODevice::ReadOnly))
        Props.Fail("\"" + File + "\" is not among the program's resources");
    return Resource.readAll();
}

bool EndsWith(const std::string& Text, const std::string& End)
{
    return Text.size() >= End.size() && Text.compare(Text.size() - End.size(), End.size(), End) == 0;
}

} // namespace

TLayoutReader::TLayoutReader(TForm& Owner)
    : Form(Owner)
    , State(TFormState::Of(Owner))
{ }

void TLayoutReader::Load()
{
    TProperties Props(State.Document, State.LayoutFile + ": " + Form.Name());
    Props.RequiredText("Class");
    Props.RequiredText("Name");
    const std::string Caption = Props.Text("Caption");
    State.Caption = Utf8ToAnsi(Caption);
    const int Left = Props.Int("Left");
    const int Top = Props.Int("Top");
    const int Width = Props.Int("Width");
    const int Height = Props.Int("Height");
    const TColor Color = Props.Color("Color", clBtnFace);
    FormFont = ReadFont(Props, TLayoutFont{});
    const bool AutoScroll = Props.Bool("AutoScroll", false);
    State.VisibleAtStart = Props.Bool("Visible", false);
    Form.OnCreate = Handler(Props, "OnCreate");
    Form.OnShow = Handler(Props, "OnShow");
    Form.OnActivate = Handler(Props, "OnActivate");
    for (const QJsonValue& Component : Props.Array("Components"))
        ReadComponent(Component);
    Props.Finish();
    CheckEveryNameMatched();

    TFormWindow& Window = *State.Window;
    Window.setWindowTitle(QString::fromStdString(Caption));
    Window.SetColor(ToQColor(Color));
    Window.SetAutoScroll(AutoScroll);
    Window.SetOuterGeometry(Left, Top, Width, Height);
    FinishWindow();
    State.Document = {};
}

void TLayoutReader::ReadComponent(const QJsonValue& Value)
{
    // The component classes that a layout may name, each with its reader. The menu items are
    // read with their main menu.
    using TReader = void (TLayoutReader::*)(TProperties&, const std::string&);
    static const std::map<std::string, TReader> Readers = {
        {"TBevel", &TLayoutReader::ReadBevel},
        {"TButton", &TLayoutReader::ReadButton},
        {"TCheckBox", &TLayoutReader::ReadCheckBox},
        {"TImage", &TLayoutReader::ReadImage},
        {"TLabel", &TLayoutReader::ReadLabel},
        {"TMainMenu", &TLayoutReader::ReadMainMenu},
        {"TMemo", &TLayoutReader::ReadMemo},
        {"TSpeedButton", &TLayoutReader::ReadSpeedButton},
        {"TTimer", &TLayoutReader::ReadTimer},
    };

    if (!Value.isObject())
        throw Exception(State.LayoutFile + ": a component is not a JSON object");
    TProperties Props = ObjectProperties(Value.toObject(), "a component");
    const std::string Name = Props.RequiredText("Name");
    const std::string Class = Props.RequiredText("Class");
    TakeName(Props, Name);
    const auto Reader = Readers.find(Class);
    if (Reader == Readers.end())
        Props.Fail("unknown class \"" + Class + "\"");
    (this->*Reader->second)(Props, Name);
    Props.Finish();
}

TProperties TLayoutReader::ObjectProperties(const QJsonObject& Object, const char* Unnamed) const
{
    const std::string Name = Object.value(QStringLiteral("Name")).toString().toStdString();
    return TProperties(Object, State.LayoutFile + ": " + (Name.empty() ? Unnamed : Name));
}

void TLayoutReader::TakeName(const TProperties& Props, const std::string& Name)
{
    if (!Names.insert(Name).second)
        Props.Fail("a second component of this name");
}

TLayoutFont TLayoutReader::PlaceWidget(TProperties& Props, QWidget* Widget)
{
    const int Left = Props.Int("Left");
    const int Top = Props.Int("Top");
    const int Width = Props.Int("Width");
    const int Height = Props.Int("Height");
    Widget->setGeometry(Left, Top, Width, Height);
    const TLayoutFont Font = ReadFont(Props, FormFont);
    Widget->setFont(SubstituteFont(Font.Height, Font.Bold));
    const std::string Hint = Props.Text("Hint");
    if (Props.Bool("ShowHint", false) && !Hint.empty())
        Widget->setToolTip(QString::fromStdString(Hint));
    return Font;
}

void TLayoutReader::SetUpControl(TProperties& Props, TControl* Control, const TLayoutFont& Font)
{
    Control->SetFontColor(Font.Color);
    Control->SetEnabled(Props.Bool("Enabled", true));
}

void TLayoutReader::TakesFocus(TProperties& Props, QWidget* Widget)
{
    Widget->setFocusPolicy(Qt::StrongFocus);
    Focusable.push_back({Props.Int("TabOrder", std::numeric_limits<int>::max()), Widget});
    Windowed.push_back(Widget);
}

TNotifyEvent TLayoutReader::Handler(TProperties& Props, const char* Event)
{
    if (!Props.Has(Event))
        return {};
    const std::string Name = Props.RequiredText(Event);
    const auto Found = State.Handlers.find(Name);
    if (Found == State.Handlers.end())
        Props.Fail(std::string("\"") + Event + "\": the form class publishes no handler \"" + Name + "\"");
    BoundHandlers.insert(Name);
    return Found->second;
}

template <class T> T* TLayoutReader::Store(T* Component)
{
    State.Components.emplace_back(Component);
    const auto Found = State.Fields.find(Component->Name());
    if (Found == State.Fields.end())
        throw Exception(State.LayoutFile + ": " + Component->Name()
            + ": the form class publishes no component of this name");
    if (!Found->second(Component))
        throw Exception(State.LayoutFile + ": " + Component->Name()
            + ": the form class publishes a component of another class under this name");
    return Component;
}

void TLayoutReader::CheckEveryNameMatched() const
{
    for (const auto& [Name, Field] : State.Fields)
        if (Names.count(Name) == 0)
            throw Exception(State.LayoutFile + ": " + Name
                + ": the form class publishes a component that the layout does not have");
    for (const auto& [Name, Handler] : State.Handlers)
        if (BoundHandlers.count(Name) == 0)
            throw Exception(State.LayoutFile + ": " + Name
                + ": the form class publishes a handler that the layout binds to no event");
}

void TLayoutReader::ReadImage(TProperties& Props, const std::string& Name)
{
    const bool ClientAligned = Props.Choice("Align", {"alNone", "alClient"}, 0) == 1;
    const bool Stretch = Props.Bool("Stretch", false);
    const bool AutoSize = Props.Bool("AutoSize", false);
    const std::string Picture = Props.RequiredText("Picture");
    if (!EndsWith(Picture, ".jpg") && !EndsWith(Picture, ".jpeg"))
        Props.Fail("\"Picture\": \"" + Picture + "\" is not a JPEG file");
    QWidget* Parent = ClientAligned ? State.Window->Viewport() : State.Window->ClientArea();
    QByteArray Jpeg = ReadResource(Props, Picture);
    TImageWidget* Widget = nullptr;
    try {
        Widget = new TImageWidget(Parent, std::move(Jpeg), Stretch);
    } catch (const Exception& E) {
        Props.Fail("\"" + Picture + "\": " + E.Message());
    }
    const TLayoutFont Font = PlaceWidget(Props, Widget);
    if (ClientAligned) {
        // It fills the visible client area, under the client area's components, and does
        // not count for the scroll range.
        Widget->FillParent();
        Widget->lower();
    } else if (AutoSize) {
        Widget->resize(Widget->PictureSize());
    }
    SetUpControl(Props, Store(new TImage(Name, Widget)), Font);
}

void TLayoutReader::ReadBevel(TProperties& Props, const std::string& Name)
{
    Props.Choice("Shape", {"bsBox"}, 0);
    Props.Choice("Style", {"bsLowered"}, 0);
    auto* Widget = new TBevelWidget(State.Window->ClientArea());
    const TLayoutFont Font = PlaceWidget(Props, Widget);
    SetUpControl(Props, Store(new TBevel(Name, Widget)), Font);
}

void TLayoutReader::ReadLabel(TProperties& Props, const std::string& Name)
{
    const std::string Caption = Utf8ToAnsi(Props.Text("Caption"));
    TLabelStyle Style;
    Style.RightAligned = Props.Choice("Alignment", {"taLeftJustify", "taRightJustify"}, 0) == 1;
    Style.AutoSize = Props.Bool("AutoSize", true);
    Style.WordWrap = Props.Bool("WordWrap", false);
    Style.Transparent = Props.Bool("Transparent", false);
    auto* Widget = new TLabelWidget(State.Window->ClientArea(), Style);
    const TLayoutFont Font = PlaceWidget(Props, Widget);
    TLabel* Label = Store(new TLabel(Name, Widget));
    SetUpControl(Props, Label, Font);
    // Set here rather than through SetCaption, so that an empty caption sizes the label too.
    Label->LabelCaption = Caption;
    Widget->SetText(QString::fromStdString(AnsiToUtf8(Caption)));
}

std::pair<QPixmap, QPixmap> TLayoutReader::Glyph(TProperties& Props, const std::string& File)
{
    const auto Known = Glyphs.find(File);
    if (Known != Glyphs.end())
        return Known->second;
    const QImage Bitmap = QImage::fromData(ReadResource(Props, File), "BMP");
    if (Bitmap.isNull())
        Props.Fail("\"Glyph\": \"" + File + "\" is not a BMP picture");
    return Glyphs[File] = {GlyphPixmap(Bitmap, true), GlyphPixmap(Bitmap, false)};
}

void TLayoutReader::ReadSpeedButton(TProperties& Props, const std::string& Name)
{
    std::pair<QPixmap, QPixmap> Pixmaps;
    if (Props.Has("Glyph"))
        Pixmaps = Glyph(Props, Props.Text("Glyph"));
    auto* Widget = new TSpeedButtonWidget(State.Window->ClientArea(), Pixmaps.first, Pixmaps.second);
    const TLayoutFont Font = PlaceWidget(Props, Widget);
    TSpeedButton* Button = Store(new TSpeedButton(Name, Widget));
    SetUpControl(Props, Button, Font);
    Button->OnClick = Handler(Props, "OnClick");
}

void TLayoutReader::ReadButton(TProperties& Props, const std::string& Name)
{
    const std::string Caption = Props.Text("Caption");
    auto* Widget = new QPushButton(QString::fromStdString(Caption), State.Window->ClientArea());
    const TLayoutFont Font = PlaceWidget(Props, Widget);
    TakesFocus(Props, Widget);
    // Enter presses the button that has the focus, as it presses the default button.
    Widget->setAutoDefault(true);
    TButton* Button = Store(new TButton(Name, Widget, Utf8ToAnsi(Caption)));
    SetUpControl(Props, Button, Font);
    if (Props.Bool("Default", false)) {
        Widget->setDefault(true);
        State.DefaultButton = Button;
    }
    if (Props.Bool("Cancel", false))
        State.CancelButton = Button;
    Button->OnClick = Handler(Props, "OnClick");
}

void TLayoutReader::ReadTimer(TProperties& Props, const std::string& Name)
{
    const bool Enabled = Props.Bool("Enabled", true);
    const int Interval = Props.Int("Interval", 1000);
    if (Interval < 0)
        Props.Fail("\"Interval\" is negative");
    TTimer* Timer = Store(new TTimer(Name, State.Window.get(), Enabled, Interval));
    Timer->OnTimer = Handler(Props, "OnTimer");
}

void TLayoutReader::ReadMainMenu(TProperties& Props, const std::string& Name)
{
    if (Menu != nullptr)
        Props.Fail("a second main menu");
    Menu = State.Window->AddMenuBar();
    Store(new TMainMenu(Name));
    for (const QJsonValue& Value : Props.Array("Items")) {
        TProperties Item = ObjectProperties(Value.toObject(), "a menu item");
        if (!Value.isObject() || Item.RequiredText("Class") != "TMenuItem")
            Item.Fail("a menu item is not a TMenuItem object");
        const std::string ItemName = Item.RequiredText("Name");
        TakeName(Item, ItemName);
        const std::string Caption = Item.Text("Caption");
        QAction* Action = Menu->addAction(QString::fromStdString(Caption));
        TMenuItem* MenuItem = Store(new TMenuItem(ItemName, Utf8ToAnsi(Caption), Action));
        MenuItem->OnClick = Handler(Item, "OnClick");
        Item.Finish();
    }
}

void TLayoutReader::ReadMemo(TProperties& Props, const std::string& Name)
{
    const bool ScrollBars = Props.Choice("ScrollBars", {"ssNone", "ssBoth"}, 0) == 1;
    QStringList Lines;
    for (const QJsonValue& Line : Props.Array("Lines")) {
        if (!Line.isString())
            Props.Fail("\"Lines\" holds something that is not a text");
        Lines.append(Line.toString() + QLatin1Char('\n'));
    }
    auto* Widget = new QPlainTextEdit(State.Window->ClientArea());
    Widget->setTabChangesFocus(true);
    const Qt::ScrollBarPolicy Policy = ScrollBars ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
    Widget->setHorizontalScrollBarPolicy(Policy);
    Widget->setVerticalScrollBarPolicy(Policy);
    // A horizontal scroll bar means lines are not wrapped.
    Widget->setLineWrapMode(ScrollBars ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
    Widget->setPlainText(Lines.join(QString()));
    const TLayoutFont Font = PlaceWidget(Props, Widget);
    TakesFocus(Props, Widget);
    SetUpControl(Props, Store(new TMemo(Name, Widget)), Font);
}

void TLayoutReader::ReadCheckBox(TProperties& Props, const std::string& Name)
{
    const std::string Caption = Props.Text("Caption");
    const bool CaptionLeft = Props.Choice("Alignment", {"taLeftJustify", "taRightJustify"}, 0) == 0;
    auto* Widget = new TCheckBoxWidget(State.Window->ClientArea(), CaptionLeft);
    Widget->setText(QString::fromStdString(Caption));
    Widget->setChecked(Props.Bool("Checked", false));
    const TLayoutFont Font = PlaceWidget(Props, Widget);
    TakesFocus(Props, Widget);
    SetUpControl(Props, Store(new TCheckBox(Name, Widget, Utf8ToAnsi(Caption))), Font);
}

void TLayoutReader::FinishWindow()
{
    std::stable_sort(Focusable.begin(), Focusable.end(),
        [](const TFocusable& A, const TFocusable& B) { return A.TabOrder < B.TabOrder; });
    for (const TFocusable& Control : Focusable)
        State.TabOrder.push_back(Control.Widget);
    for (std::size_t Index = 1; Index < State.TabOrder.size(); ++Index)
        QWidget::setTabOrder(State.TabOrder[Index - 1], State.TabOrder[Index]);
    for (QWidget* Control : Windowed)
        Control->raise();
}
