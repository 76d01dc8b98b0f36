// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "checks.h"

#include <cmath>
#include <functional>
#include <sstream>

#include <QPainter>
#include <QTemporaryDir>

#include "core/pictures.h"
#include "core/rules.h"
#include "replay/replay_io.h"
#include "replay/replay_player.h"
#include "episodes/frm_neu.h"
#include "info/frm_info.h"
#include "scene.h"
#include "scores/frm_punkte.h"
#include "sprite_search.h"
#include "ui/form_layout.h"
#include "ui/form_painter.h"
#include "ui/layer.h"
#include "ui/name_box.h"
#include "ui/picture_cache.h"

namespace gravok::shotcheck {
namespace {

std::string str(QPoint p)
{
    return "(" + std::to_string(p.x()) + "," + std::to_string(p.y()) + ")";
}

std::string str(QRect r)
{
    return std::to_string(r.width()) + "x" + std::to_string(r.height()) + "+" + std::to_string(r.x()) + "+" +
           std::to_string(r.y());
}

std::string percent(double share)
{
    return std::to_string(static_cast<int>(std::lround(share * 100))) + "%";
}

QRgb rgb(Color c)
{
    return qRgb(static_cast<int>((c >> 16) & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>(c & 0xFF));
}

// Collects findings, each named "<scope>.<what>".
class Report {
public:
    void add(std::string check, bool ok, std::string detail)
    {
        findings.push_back({std::move(check), ok, std::move(detail)});
    }
    std::vector<Finding> findings;
};

// The text of a label as the game paints it at the map's scale, as screen pixels to look
// at and how near the fore colour they must be. Large text counts only pixels exactly in
// the fore colour whose four neighbours are too, so the antialiased rim, which differs a
// little between font back ends, does not count; small text has hardly any such pixels
// and counts every pixel near the fore colour, with a wider margin.
struct TextPixels {
    std::vector<QPoint> pixels;
    int tolerance = ChannelTolerance;
};

TextPixels textPixels(const Control& label, const Form& owner, const ScreenMap& map)
{
    Form probe("probe");
    probe.Width = owner.Width;
    probe.Height = owner.Height;
    Control copy = label;
    const QRect box = ui::controlBox(label);
    copy.Container = nullptr;
    copy.Visible = true;
    copy.Left = static_cast<float>(box.left()) * TwipsPerPixel;
    copy.Top = static_cast<float>(box.top()) * TwipsPerPixel;
    probe.add(std::move(copy));

    const double scale = map.scale();
    const QRect formPixels = ui::formBox(owner);
    QImage image(QSize(static_cast<int>(std::ceil(formPixels.width() * scale)),
                       static_cast<int>(std::ceil(formPixels.height() * scale))),
                 QImage::Format_RGB32);
    image.fill(Qt::black);
    {
        QPainter p(&image);
        p.scale(scale, scale);
        ui::PictureCache pictures;
        ui::FormPainter(p, pictures).paint(probe);
    }
    const QRgb ink = rgb(label.ForeColor);
    auto isInk = [&](int x, int y) { return image.rect().contains(x, y) && image.pixel(x, y) == ink; };
    TextPixels inner;
    TextPixels near{{}, 110};
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (isInk(x, y) && isInk(x - 1, y) && isInk(x + 1, y) && isInk(x, y - 1) && isInk(x, y + 1))
                inner.pixels.emplace_back(x, y);
            if (sameColour(image.pixel(x, y), ink, 96))
                near.pixels.emplace_back(x, y);
        }
    TextPixels& chosen = inner.pixels.size() >= 200 ? inner : near;
    const QPoint origin = map.toScreen(QPointF(0, 0));
    for (QPoint& p : chosen.pixels)
        p += origin;
    return chosen;
}

// The best share of the text pixels the shot shows in the label's colour, over shifts of
// up to two pixels (font back ends may place a glyph a pixel apart).
double textShare(const QImage& shot, const TextPixels& text, Color colour)
{
    if (text.pixels.empty())
        return 0.0;
    const QRgb ink = rgb(colour);
    double best = 0.0;
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx) {
            int hits = 0;
            for (const QPoint& p : text.pixels) {
                const QPoint q = p + QPoint(dx, dy);
                if (shot.rect().contains(q) && sameColour(shot.pixel(q), ink, text.tolerance))
                    ++hits;
            }
            best = std::max(best, static_cast<double>(hits) / static_cast<double>(text.pixels.size()));
        }
    return best;
}

// Shown when most of the text is there, absent when little of it is; in between is
// neither, and fails either way. Text under `covered` (a dialog on top) is left out.
void checkLabel(Report& r, const std::string& name, const QImage& shot, const Control& label, const Form& owner,
                const ScreenMap& map, bool expectShown, std::optional<QRect> covered = std::nullopt)
{
    TextPixels text = textPixels(label, owner, map);
    const std::size_t painted = text.pixels.size();
    if (covered)
        std::erase_if(text.pixels, [&](QPoint p) { return covered->adjusted(-3, -3, 3, 3).contains(p); });
    const double share = textShare(shot, text, label.ForeColor);
    std::string what = "\"" + label.Caption + "\" in " + label.fullName() + " at " + str(map.controlRect(label)) +
                       ": " + percent(share) + " of " + std::to_string(text.pixels.size()) + " text pixels";
    if (text.pixels.size() < painted)
        what += " (" + std::to_string(painted - text.pixels.size()) + " more under the dialog)";
    if (text.pixels.size() < 20) {
        r.add(name, false, what + ": too little of the text can be seen to tell");
        return;
    }
    if (expectShown)
        r.add(name, share >= 0.7, what + (share >= 0.7 ? " shown" : ", expected shown (>= 70%)"));
    else
        r.add(name, share <= 0.3, what + (share <= 0.3 ? ", not shown, as expected" : ", expected gone (<= 30%)"));
}

// Each damage segment lit exactly when the model has it visible.
void checkDamageBar(Report& r, const QImage& shot, FrmHaupt& h, const ScreenMap& map)
{
    std::string lit;
    std::string wrong;
    for (int i = 0; i <= 17; ++i) {
        const Control& seg = *h.spe(i);
        const QRect area = map.controlRect(seg).adjusted(2, 2, -2, -2);
        const int pixels = area.width() * area.height();
        const int coloured = countColour(shot, area, rgb(seg.ForeColor), 24);
        const bool shownNow = coloured >= pixels * 8 / 10;
        const bool darkNow = coloured <= pixels / 20;
        lit += shownNow ? '#' : (darkNow ? '.' : '?');
        if ((seg.Visible && !shownNow) || (!seg.Visible && !darkNow))
            wrong += " spe(" + std::to_string(i) + ")";
    }
    std::string expected;
    for (int i = 0; i <= 17; ++i)
        expected += h.spe(i)->Visible ? '#' : '.';
    r.add("damage-bar", wrong.empty(),
          "segments on screen [" + lit + "], model [" + expected + "]" + (wrong.empty() ? "" : "; wrong:" + wrong));
}

class Art {
public:
    Art(std::filesystem::path dir, double scale) : dir_(std::move(dir)), scale_(scale) {}
    const QImage* operator()(int n)
    {
        auto it = cache_.find(n);
        if (it == cache_.end()) {
            // The game draws each picture from the set made for its scale, filtered to
            // the size the scale gives; so do we.
            const int set = ui::PictureCache::artSet(scale_);
            const std::string name = std::to_string(n) + (set == 1 ? "" : "@" + std::to_string(set) + "x");
            QImage one(QString::fromStdString((dir_ / (std::to_string(n) + ".png")).string()));
            QImage img(QString::fromStdString((dir_ / (name + ".png")).string()));
            if (img.isNull())
                img = one;
            it = cache_.emplace(n, img.isNull() ? QImage() : scaledSprite(img, one.size(), scale_)).first;
        }
        return it->second.isNull() ? nullptr : &it->second;
    }

private:
    std::filesystem::path dir_;
    double scale_;
    std::map<int, QImage> cache_;
};

// The first tick up to in.maxTicks at which every gravok in play, and the shuttle, stands
// on the screenshot where the model has it (within SLACK pixels, ENOUGH of its pixels
// alike). NEXT moves the model on by a tick, false when it cannot go on; SPRITES counts
// what was found.
std::optional<int> matchingTick(const ShotInput& in, FrmHaupt& h, const ScreenMap& map, int slack, double enough,
                                const std::function<bool()>& next, std::size_t& sprites)
{
    Art art(in.artDir, map.scale());
    const QRect field = map.controlRect(*h.fraHintergrund);
    for (int t = 0; t <= in.maxTicks; ++t) {
        std::vector<const Control*> shown{h.imgShuttle};
        for (int k = 1; k <= 10; ++k)
            if (h.imgGravok(k)->Picture() != 0 && h.imgGravok(k)->Tag != "0")
                shown.push_back(h.imgGravok(k));
        bool all = shown.size() > 1;
        for (std::size_t i = 0; all && i < shown.size(); ++i) {
            const QImage* sprite = art(shown[i]->Picture());
            const QPoint at = map.controlRect(*shown[i]).topLeft();
            const QRect near(at - QPoint(slack, slack), at + QPoint(slack, slack));
            all = sprite && findSprite(in.shot, *sprite, near, field, enough, at).has_value();
        }
        if (all) {
            sprites = shown.size();
            return t;
        }
        if (!next())
            break;
    }
    return std::nullopt;
}

// Level 1 as the episode starts it: as many gravoks as the file holds, and one number of
// ticks that puts all of them where they are, the shuttle standing at its start.
void checkLevelStart(Report& r, const ShotInput& in, Scene& scene, const ScreenMap& map)
{
    const int count = static_cast<int>(scene.game.Start.LevelDaten(1).Anzahl);
    r.add("gravoks.count", count > 0,
          "episode " + std::to_string(in.episode) + " level 1 has " + std::to_string(count));
    std::size_t sprites = 0;
    const auto ticks = matchingTick(
        in, scene.haupt(), map, 2, 0.6,
        [&] {
            scene.tick();
            return true;
        },
        sprites);
    r.add("gravoks.together", ticks && sprites == static_cast<std::size_t>(count) + 1,
          ticks ? "the shuttle and " + std::to_string(sprites - 1) + " gravoks stand where the model has them after " +
                      std::to_string(*ticks) + " ticks"
                : "no tick up to " + std::to_string(in.maxTicks) + " shows what the screenshot shows");
}

// Where the window puts a layer on the screen.
QRect layerOnScreen(const ShotInput&, const Form& dialog, const Form& haupt, const ScreenMap& main)
{
    return main.layerRect(ui::layerPlace(dialog, haupt), ui::formBox(dialog).size());
}

// A layer of the model's size at the main window's scale, with its white border round it.
std::optional<ScreenMap> checkDialogFrame(Report& r, const ShotInput& in, const Form& dialog, Control& border,
                                          const Form& haupt, const ScreenMap& main)
{
    const double scale = main.scale();
    const QRect at = layerOnScreen(in, dialog, haupt, main);
    const QRect expected = ui::formBox(dialog);
    const QSize size(static_cast<int>(std::lround(expected.width() * scale)),
                     static_cast<int>(std::lround(expected.height() * scale)));
    r.add("dialog.size", at.size() == size,
          dialog.Name + " layer " + str(at) + ", model " + std::to_string(size.width()) + "x" +
              std::to_string(size.height()));
    if (!main.formRect().contains(at))
        r.add("dialog.inside", false, dialog.Name + " layer " + str(at) + " outside the game " + str(main.formRect()));
    const ScreenMap map = ScreenMap::atScale(at, dialog, scale);
    const QRect frame = map.controlRect(border) & map.formRect();
    const int inset = std::max(1, static_cast<int>(border.BorderWidth * scale) / 2);
    const QRect top(frame.left(), frame.top() + inset, frame.width(), 1);
    const QRect left(frame.left() + inset, frame.top(), 1, frame.height());
    const int white = countColour(in.shot, top, qRgb(255, 255, 255)) + countColour(in.shot, left, qRgb(255, 255, 255));
    const int all = top.width() + left.height();
    r.add("dialog.border", white >= all * 9 / 10,
          border.fullName() + " white on " + std::to_string(white) + " of " + std::to_string(all) + " pixels");
    return map;
}

struct Label {
    const char* check;
    Control* label;
    bool shown = true;
};

// A layer's frame and its labels, each shown or not; the layer's map when the frame holds.
std::optional<ScreenMap> checkLayer(Report& r, const ShotInput& in, const Form& dialog, Control& border,
                                    const Form& haupt, const ScreenMap& main, std::initializer_list<Label> labels)
{
    auto d = checkDialogFrame(r, in, dialog, border, haupt, main);
    if (d)
        for (const Label& l : labels)
            checkLabel(r, l.check, in.shot, *l.label, dialog, *d, l.shown);
    return d;
}

// The window shows a replay, stopped at some moment: the headless model playing the same
// replay must come to a tick where the shuttle and every gravok stand exactly where the
// screenshot has them. The model plays in a folder of its own, so its entry goes nowhere.
void checkReplayMoment(Report& r, const ShotInput& in, Scene& window, const ScreenMap& map)
{
    const auto text = replay::readReplayText(in.replay);
    const auto parsed = text.index() == 0 ? replay::parseReplay(std::get<0>(text), RulesVersion)
                                          : std::variant<replay::Replay, std::string>(std::get<1>(text));
    if (const auto* why = std::get_if<std::string>(&parsed)) {
        r.add("replay.file", false, *why);
        return;
    }
    const replay::Replay& rec = std::get<replay::Replay>(parsed);
    QTemporaryDir dir;
    Scene scene(dir.path().toStdString(), window.screenWidthTwips());
    scene.seed = rec.random;
    scene.game.random.reseed(rec.random);
    // Boxes are answered in the order the run answered them; the player passes over those lines.
    std::istringstream lines(rec.inputs);
    for (std::string line; std::getline(lines, line);) {
        if (line == "input-cancel")
            scene.inputAnswers.emplace_back(std::nullopt);
        else if (line.starts_with("input "))
            scene.inputAnswers.emplace_back(line.substr(6));
    }
    replay::ReplayPlayer player(scene.game, rec);
    scene.modalLoop = [&](Form& f) {
        while (!f.closed() && !player.finished())
            player.play(50);
        if (!f.closed())
            f.Unload();
    };
    player.start();
    std::size_t sprites = 0;
    const auto moment = matchingTick(
        in, scene.haupt(), map, 1, 0.8,
        [&] {
            player.play(50);
            return !player.finished();
        },
        sprites);
    r.add("replay.moment", moment.has_value(),
          moment ? "the shuttle and " + std::to_string(sprites - 1) +
                       " gravoks stand where the replay has them after " + std::to_string(*moment) + " ticks"
                 : "no tick up to " + std::to_string(in.maxTicks) + " of the replay shows what the screenshot shows");
}

// The caret where the model has it, after the text typed; with nothing typed, nothing
// else lit in the field (a held Space would have moved the caret on).
void checkCaret(Report& r, const QImage& shot, const ui::NameBoxForm& box, const ScreenMap& map, bool empty)
{
    const QRect caret = map.controlRect(*box.ShapeCaret);
    const int lit = countColour(shot, caret.adjusted(0, 1, 0, -1), qRgb(255, 255, 255), 40);
    const int all = std::max(1, caret.width() * (caret.height() - 2));
    r.add("dialog.caret", lit >= all * 8 / 10,
          "caret " + str(caret) + " white on " + std::to_string(lit) + " of " + std::to_string(all) + " pixels");
    if (!empty)
        return;
    const QRect field = map.controlRect(*box.ShapeFeld).adjusted(3, 3, -3, -3);
    int stray = 0;
    for (int y = field.top(); y <= field.bottom(); ++y)
        for (int x = field.left(); x <= field.right(); ++x)
            if (!caret.adjusted(-2, -2, 2, 2).contains(x, y) && shot.rect().contains(x, y) &&
                qGray(shot.pixel(x, y)) > 96)
                ++stray;
    r.add("dialog.field-empty", stray == 0,
          "field " + str(field) + ": " + std::to_string(stray) + " lit pixels beside the caret");
}

// No layer of the game stands open: the top edge of each one's white border is not
// there where the window would put it.
void checkNoLayers(Report& r, const ShotInput& in, Scene& scene, const ScreenMap& main)
{
    FrmHaupt& h = scene.haupt();
    FrmNeu neu(scene.game);
    FrmPunkte punkte(scene.game);
    FrmInfo info(scene.game);
    ui::NameBoxForm box("", "");
    box.placeOver(h);
    const std::pair<Form*, Control*> layers[] = {
        {&neu, neu.ShapeNeu}, {&punkte, punkte.ShapePunkte}, {&info, info.ShapeInfo}, {&box, box.ShapeRand}};
    std::string open;
    for (const auto& [form, border] : layers) {
        if (form != &box)
            scene.game.placeDialog(*form);
        const ScreenMap map = ScreenMap::atScale(main.layerRect(ui::layerPlace(*form, h), ui::formBox(*form).size()),
                                                 *form, main.scale());
        const QRect frame = map.controlRect(*border) & map.formRect();
        const QRect top(frame.left(), frame.top() + 1, frame.width(), 1);
        if (countColour(in.shot, top, qRgb(255, 255, 255)) >= top.width() / 2)
            open += " " + form->Name;
    }
    r.add("no-layer", open.empty(), open.empty() ? "no dialog open" : "still open:" + open);
}

// The end-of-game words in lblAnzeige, whole on one line, round the layer over them.
void checkWords(Report& r, const ShotInput& in, FrmHaupt& h, const ScreenMap& map, QRect layer)
{
    if (!in.words)
        return;
    Control label = *h.lblAnzeige;
    label.Caption = *in.words;
    checkLabel(r, "words", in.shot, label, h, map, true, layer);
}

using Body = std::function<void(Report&, const ShotInput&, Scene&, const ScreenMap&)>;

// Runs the scene to the start of a game as the real window does it: Main, the start-up
// dialog (looked at by `atStartup` if given), the episode chosen and Enter.
void startGame(Scene& scene, const ShotInput& in, const std::function<void(Form&)>& atStartup = {})
{
    scene.whenDialog([&](Form& neu) {
        if (atStartup)
            atStartup(neu);
        if (Control* opt = neu.find("opt" + std::to_string(in.episode)))
            neu.selectOption(*opt);
        neu.keyDown(key::Enter, 0);
    });
    scene.start();
}

std::vector<Finding> run(const ShotInput& in, const Body& body)
{
    Report r;
    if (in.shot.isNull()) {
        r.add("screenshot", false, "cannot read the screenshot");
        return r.findings;
    }
    Scene scene(in.programDir, static_cast<float>(in.shot.width()) * TwipsPerPixel);
    const ScreenMap map = ScreenMap::fitted(in.mainWindow, scene.haupt());
    r.add("window", in.shot.rect().contains(map.formRect()),
          "game window " + str(in.mainWindow) + ", scale " + std::to_string(map.scale()) + ", form " +
              str(map.formRect()));
    body(r, in, scene, map);
    return r.findings;
}

void pauseLabel(Report& r, const ShotInput& in, FrmHaupt& h, const ScreenMap& map,
                std::optional<QRect> covered = std::nullopt)
{
    checkLabel(r, "pause-label", in.shot, *h.lblAnzeige, h, map, !h.lblAnzeige->Caption.empty(), covered);
}

// "Pause!" as the model shows it after P, whatever the shot shows.
void expectPause(Report& r, const ShotInput& in, FrmHaupt& h, const ScreenMap& map, bool paused)
{
    Control label = *h.lblAnzeige;
    label.Caption = "Pause!";
    checkLabel(r, "pause-label", in.shot, label, h, map, paused);
}

const std::map<std::string, Body>& checks()
{
    static const std::map<std::string, Body> all = {
        // The start-up dialog over the paused field, the damage bar as designed.
        {"startup",
         [](Report& r, const ShotInput& in, Scene& scene, const ScreenMap& map) {
             FrmHaupt& h = scene.haupt();
             scene.whenDialog([&](Form& neu) {
                 pauseLabel(r, in, h, map, layerOnScreen(in, neu, h, map));
                 checkDamageBar(r, in.shot, h, map);
                 checkLayer(r, in, neu, neu.at("ShapeNeu"), h, map,
                            {{"dialog.ok", &neu.at("lblOK")}, {"dialog.no-cancel", &neu.at("lblAbbrechen"), false}});
                 neu.keyDown(key::Enter, 0);
             });
             scene.start();
         }},
        // After Enter and P: level 1 of the episode, paused.
        {"level1",
         [](Report& r, const ShotInput& in, Scene& scene, const ScreenMap& map) {
             startGame(scene, in);
             FrmHaupt& h = scene.haupt();
             scene.key("P");
             pauseLabel(r, in, h, map);
             checkDamageBar(r, in.shot, h, map);
             scene.key("P");
             checkLevelStart(r, in, scene, map);
         }},
        {"replay", checkReplayMoment},
        {"paused", [](Report& r, const ShotInput& in, Scene& scene,
                      const ScreenMap& map) { expectPause(r, in, scene.haupt(), map, true); }},
        {"running",
         [](Report& r, const ShotInput& in, Scene& scene, const ScreenMap& map) {
             startGame(scene, in);
             expectPause(r, in, scene.haupt(), map, false);
             checkDamageBar(r, in.shot, scene.haupt(), map);
             checkNoLayers(r, in, scene, map);
         }},
        // The list from the program directory's Punkte.lst, one text line per entry.
        {"highscore",
         [](Report& r, const ShotInput& in, Scene& scene, const ScreenMap& map) {
             startGame(scene, in);
             FrmHaupt& h = scene.haupt();
             scene.whenDialog([&](Form& punkte) {
                 Control& list = punkte.at("Liste");
                 checkWords(r, in, h, map, layerOnScreen(in, punkte, h, map));
                 if (auto d = checkLayer(r, in, punkte, punkte.at("ShapePunkte"), h, map,
                                         {{"dialog.title", &punkte.at("lblEP")}, {"dialog.ok", &punkte.at("lblOK")}})) {
                     const QRect area = d->controlRect(list).adjusted(4, 4, -4, -4);
                     const int lines = textLines(in.shot, area);
                     const int expected = static_cast<int>(list.List.size());
                     std::string items;
                     for (const auto& item : list.List)
                         items += " \"" + item + "\"";
                     r.add("dialog.list", expected > 0 && lines == expected,
                           "list box " + str(area) + " shows " + std::to_string(lines) + " text lines, model has " +
                               std::to_string(expected) + ":" + items);
                 }
                 punkte.keyDown(key::Escape, 0);
             });
             scene.click(*h.lblHighscore);
         }},
        {"about",
         [](Report& r, const ShotInput& in, Scene& scene, const ScreenMap& map) {
             startGame(scene, in);
             scene.whenDialog([&](Form& info) {
                 checkLayer(r, in, info, info.at("ShapeInfo"), scene.haupt(), map,
                            {{"dialog.title", &info.at("lblGravok")}, {"dialog.ok", &info.at("lblOK")}});
                 info.keyDown(key::Escape, 0);
             });
             scene.key("F2");
         }},
        // F4 during a game: the dialog with OK and "Abbrechen".
        {"newgame",
         [](Report& r, const ShotInput& in, Scene& scene, const ScreenMap& map) {
             startGame(scene, in);
             scene.whenDialog([&](Form& neu) {
                 checkLayer(r, in, neu, neu.at("ShapeNeu"), scene.haupt(), map,
                            {{"dialog.ok", &neu.at("lblOK")}, {"dialog.cancel", &neu.at("lblAbbrechen")}});
                 neu.keyDown(key::Escape, 0);
             });
             scene.key("F4");
         }},
        // Whatever the game shows, no dialog stands open over it.
        {"closed",
         [](Report& r, const ShotInput& in, Scene& scene, const ScreenMap& map) {
             startGame(scene, in);
             checkNoLayers(r, in, scene, map);
         }},
        // The high-score list open at the end of a game, its words above it; the list's
        // lines are the player's own and not counted here.
        {"scores-open",
         [](Report& r, const ShotInput& in, Scene& scene, const ScreenMap& map) {
             startGame(scene, in); // the main window where the game puts it
             FrmHaupt& h = scene.haupt();
             FrmPunkte punkte(scene.game);
             scene.game.placeDialog(punkte);
             checkWords(r, in, h, map, layerOnScreen(in, punkte, h, map));
             checkLayer(r, in, punkte, *punkte.ShapePunkte, h, map,
                        {{"dialog.title", punkte.lblEP}, {"dialog.ok", punkte.lblOK}});
         }},
        // The name box at the end of a game: the words above it whole, the field holding
        // what was typed (nothing at first: no held key poured into it).
        {"namebox",
         [](Report& r, const ShotInput& in, Scene& scene, const ScreenMap& map) {
             FrmHaupt& h = scene.haupt();
             ui::NameBoxForm box("Geben sie bitte ihren Namen ein:", "Namen?");
             box.placeOver(h);
             const QRect layer = layerOnScreen(in, box, h, map);
             checkWords(r, in, h, map, layer);
             if (auto d = checkLayer(r, in, box, *box.ShapeRand, h, map,
                                     {{"dialog.title", box.lblTitel},
                                      {"dialog.prompt", box.lblFrage},
                                      {"dialog.ok", box.lblOK},
                                      {"dialog.cancel", box.lblAbbrechen}})) {
                 box.setText(QString::fromStdString(in.name));
                 if (!in.name.empty())
                     checkLabel(r, "dialog.field", in.shot, *box.lblText, box, *d, true);
                 checkCaret(r, in.shot, box, *d, in.name.empty());
             }
         }},
        // After the keys, some ticks and then Space and P: the shuttle shows its new
        // heading away from its start, and a shot flies.
        {"flying",
         [](Report& r, const ShotInput& in, Scene& scene, const ScreenMap& map) {
             startGame(scene, in);
             FrmHaupt& h = scene.haupt();
             const QPoint start = map.controlRect(*h.imgShuttle).topLeft();
             for (const auto& k : in.keys) {
                 if (keyCode(k) < 0) {
                     r.add("keys", false, "unknown key " + k);
                     return;
                 }
                 scene.key(k);
             }
             scene.tick();
             const int picture = h.imgShuttle->Picture();
             const int tempo = static_cast<int>(scene.game.Start.Tempo);
             Art art(in.artDir, map.scale());
             const QRect field = map.controlRect(*h.fraHintergrund);
             const QImage* sprite = art(picture);
             if (!sprite) {
                 r.add("shuttle", false, "no artwork for bitmap " + std::to_string(picture));
                 return;
             }
             const double step = 2.0 * std::abs(tempo) / TwipsPerPixel * map.scale();
             const QRect area = driftArea(start, QPointF(step, step), in.maxTicks, 3);
             const auto hit = findSprite(in.shot, *sprite, area, field, 0.6, start);
             const bool moved = hit && (hit->at - start).manhattanLength() >= 2;
             r.add("shuttle", hit && moved,
                   "bitmap " + std::to_string(picture) + " (heading " +
                       std::to_string(static_cast<int>(scene.game.Start.Richtung)) + ", speed " +
                       std::to_string(tempo) + ") searched " + str(area) +
                       (hit ? ": found at " + str(hit->at) + ", start " + str(start) + (moved ? "" : ", not moved")
                            : ": not found"));
             const QImage* shotSprite = art(h.imgSchuss(0)->Picture());
             const auto shotHit =
                 shotSprite ? findSprite(in.shot, *shotSprite, field, field, 0.8, start) : std::nullopt;
             r.add("shot", shotHit.has_value(),
                   shotHit ? "a shot (bitmap " + std::to_string(h.imgSchuss(0)->Picture()) + ") at " + str(shotHit->at)
                           : "no shot in the field " + str(field));
             expectPause(r, in, h, map, true);
         }},
    };
    return all;
}

} // namespace

std::vector<Finding> runCheck(const std::string& name, const ShotInput& in)
{
    const auto it = checks().find(name);
    if (it == checks().end())
        return {{"usage", false, "unknown check " + name}};
    return run(in, it->second);
}

std::vector<std::string> checkNames()
{
    std::vector<std::string> names;
    for (const auto& [name, body] : checks())
        names.push_back(name);
    return names;
}

} // namespace gravok::shotcheck
