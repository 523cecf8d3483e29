#include "pictures.h"

#include "charts.h"

#include <cmath>
#include <numbers>
#include <string>

namespace quillara::demo {

// ---- The cover and the chapter headings ----

Canvas Cover() {
    constexpr int width = 300, height = 400;
    Canvas c(width, height, colour::White);
    c.Gradient(0, 0, width, height, {24, 82, 104}, {12, 34, 62}, true);
    c.FillRect(24, 36, width - 24, 39, colour::Gold);

    const double dot = 4.5;
    double y = 58;
    for (std::string_view line : {"Personal", "Finance", "Basics"}) {
        c.TextCentred(width / 2.0 + 2, y + 2, line, dot, {8, 24, 40});
        c.TextCentred(width / 2.0, y, line, dot, colour::White);
        y += 46;
    }
    c.FillRect(24, 200, width - 24, 203, colour::Gold);
    c.TextCentred(width / 2.0, 210, "Budgets, saving, credit and investing", 1, {200, 222, 232});

    // Savings that grow year by year, with the trend drawn over the bars.
    const double base = 344;
    const double heights[] = {26, 40, 56, 74, 94};
    std::vector<Point> tops;
    for (int i = 0; i < 5; ++i) {
        const double left = 52 + i * 42;
        c.FillRect(left, base - heights[i], left + 28, base,
                   Mix({64, 168, 160}, colour::Gold, i / 4.0));
        tops.push_back({left + 14, base - heights[i] - 12});
    }
    c.FillRect(40, base, width - 40, base + 2, {200, 222, 232});
    for (std::size_t i = 1; i < tops.size(); ++i)
        c.Line(tops[i - 1], tops[i], 3, colour::White);
    for (const Point& p : tops)
        c.FillCircle(p.x, p.y, 4.5, colour::White);
    const Point tip{tops.back().x + 20, tops.back().y - 14};
    c.Line(tops.back(), tip, 3, colour::White);
    c.FillPolygon({{tip.x + 6, tip.y - 5}, {tip.x - 9, tip.y - 3}, {tip.x + 2, tip.y + 10}},
                  colour::White);

    c.TextCentred(width / 2.0, 364, "A Quillara demo book", 2, colour::Gold);
    return c;
}

namespace {
constexpr std::array<Rgb, ChapterNames.size()> ChapterTones = {
    Rgb{24, 110, 118}, Rgb{46, 122, 62}, Rgb{168, 60, 52}, Rgb{96, 66, 150}, Rgb{40, 90, 156}};

} // namespace

Canvas ChapterHeading(std::size_t index) {
    constexpr int width = 600, height = 60;
    const Rgb tone = ChapterTones[index];
    const Rgb shadow = Mix(tone, {0, 0, 0}, 0.45);
    Canvas c(width, height, colour::White);
    c.Gradient(0, 0, width, height, tone, Mix(tone, colour::White, 0.35), false);
    c.FillRect(0, height - 4, width, height, Mix(tone, colour::Gold, 0.6));

    const std::string number = std::to_string(index + 1);
    c.FillCircle(32, 28, 21, colour::White);
    c.TextCentred(32, 28 - 4 * 3, number, 3, tone);

    const std::string title = "Chapter " + number + ": " + std::string(ChapterNames[index]);
    const double left = 66;
    const double dot = std::min(3.0, (width - left - 12) / TextWidth(title, 1.0));
    const double top = 28 - GlyphHeight * dot / 2 + dot / 2;
    c.Text(left + 1.5, top + 1.5, title, dot, shadow);
    c.Text(left, top, title, dot, colour::White);
    return c;
}

namespace {

// ---- Chapter 1: budgets ----

Canvas BudgetPie() {
    Canvas c = ChartCanvas("Splitting take-home pay");
    DrawPie(c, {82, 112}, 62,
            {{0.5, colour::Blue, "Needs 50%"},
             {0.3, colour::Orange, "Wants 30%"},
             {0.2, colour::Green, "Saving 20%"}},
            164);
    c.TextCentred(ChartWidth / 2.0, 184, "On $3,000 a month: $1,500 + $900 + $600", 1,
                  colour::Grey);
    return c;
}

Canvas CashFlow() {
    Canvas c = ChartCanvas("Six months of cash flow");
    DrawLegend(c, ChartWidth / 2.0, 29, {{colour::Green, "Income"}, {colour::Red, "Spending"}});
    const std::vector<double> income = {3000, 3000, 3200, 3000, 3000, 3400};
    const std::vector<double> spending = {2700, 3150, 2800, 2900, 3300, 2950};
    const Plot plot{46, 46, 310, 160, 3500};
    DrawGrid(c, plot, 1000, [](double v) { return Thousands(v); });
    DrawBars(c, plot, {"Jan", "Feb", "Mar", "Apr", "May", "Jun"},
             {{income, colour::Green}, {spending, colour::Red}});
    const double groupWidth = (plot.right - plot.left) / 6;
    for (std::size_t m = 0; m < income.size(); ++m) {
        const double net = income[m] - spending[m];
        const std::string text = (net > 0 ? "+" : "") + Thousands(net);
        c.TextCentred(plot.left + (m + 0.5) * groupWidth, 180, text, 1,
                      net < 0 ? colour::Red : colour::Green);
    }
    return c;
}

// ---- Chapter 2: saving ----

Canvas CompoundGrowth() {
    Canvas c = ChartCanvas("$1,000 at 6% a year");
    DrawLegend(c, ChartWidth / 2.0, 29,
               {{colour::Grey, "Simple interest"}, {colour::Green, "Compound interest"}});
    std::vector<std::string> years;
    Series simple{{}, colour::Grey}, compound{{}, colour::Green};
    for (int t = 0; t <= 30; t += 5) {
        years.push_back(std::to_string(t));
        simple.values.push_back(1000 * (1 + 0.06 * t));
        compound.values.push_back(1000 * std::pow(1.06, t));
    }
    const Plot plot{46, 46, 310, 164, 6000};
    DrawGrid(c, plot, 1000, [](double v) { return Dollars(v); });
    const auto tops = DrawBars(c, plot, years, {simple, compound});
    const Point last = tops.back().back();
    c.TextRight(last.x + 6, last.y - 10, Dollars(compound.values.back()), 1, colour::Green);
    c.TextCentred(ChartWidth / 2.0, 184, "years", 1, colour::Grey);
    return c;
}

Canvas PurchasingPower() {
    Canvas c = ChartCanvas("$100 after 3% inflation");
    std::vector<std::string> years;
    Series worth{{}, colour::Teal};
    for (int t = 0; t <= 25; t += 5) {
        years.push_back(std::to_string(t));
        worth.values.push_back(100 / std::pow(1.03, t));
    }
    const Plot plot{46, 52, 310, 164, 100};
    DrawGrid(c, plot, 25, [](double v) { return Dollars(v); });
    const auto tops = DrawBars(c, plot, years, {worth});
    for (std::size_t i = 0; i < tops.size(); ++i)
        c.TextCentred(tops[i][0].x, tops[i][0].y - 10, Dollars(worth.values[i]), 1, colour::Ink);
    c.TextCentred(ChartWidth / 2.0, 184, "years from now", 1, colour::Grey);
    return c;
}

// ---- Chapter 3: borrowing ----

Canvas LoanBalance() {
    Canvas c = ChartCanvas("Paying off a $10,000 loan");
    constexpr double principal = 10000, monthlyRate = 0.06 / 12;
    constexpr int months = 36;
    const double payment = principal * monthlyRate / (1 - std::pow(1 + monthlyRate, -months));
    const Plot plot{52, 34, 306, 158, 10000};
    DrawGrid(c, plot, 2500, [](double v) { return Thousands(v); });

    std::vector<Point> area{{plot.left, plot.bottom}};
    std::vector<Point> marks;
    double balance = principal;
    for (int m = 0; m <= months; ++m) {
        const Point p{plot.left + (plot.right - plot.left) * m / months, plot.Y(balance)};
        area.push_back(p);
        if (m % 6 == 0) marks.push_back(p);
        balance = std::max(0.0, balance * (1 + monthlyRate) - payment);
    }
    area.push_back({plot.right, plot.bottom});
    c.FillPolygon(area, Mix(colour::Red, colour::White, 0.75));
    for (std::size_t i = 2; i + 1 < area.size(); ++i)
        c.Line(area[i - 1], area[i], 2, colour::Red);
    for (std::size_t i = 0; i < marks.size(); ++i) {
        c.FillCircle(marks[i].x, marks[i].y, 3, colour::Red);
        c.TextCentred(marks[i].x, plot.bottom + 5, std::to_string(i * 6), 1, colour::Ink);
    }
    char caption[64];
    std::snprintf(caption, sizeof caption, "36 monthly payments of $%.2f at 6%% APR", payment);
    c.TextCentred(ChartWidth / 2.0, 174, "months", 1, colour::Grey);
    c.TextCentred(ChartWidth / 2.0, 187, caption, 1, colour::Ink);
    return c;
}

Canvas CreditUtilization() {
    Canvas c = ChartCanvas("Credit utilization");
    const Plot plot{46, 40, 300, 156, 100};
    DrawGrid(c, plot, 25, [](double v) { return std::to_string(std::lround(v)) + "%"; });
    const std::vector<double> used = {10, 30, 75};
    const Rgb tones[] = {colour::Green, colour::Orange, colour::Red};
    const double groupWidth = (plot.right - plot.left) / 3;
    for (std::size_t i = 0; i < used.size(); ++i) {
        const double cx = plot.left + (i + 0.5) * groupWidth;
        c.FillRect(cx - 22, plot.Y(used[i]), cx + 22, plot.bottom - 0.5, tones[i]);
        c.TextCentred(cx, plot.Y(used[i]) - 10, std::to_string(std::lround(used[i])) + "%", 1,
                      colour::Ink);
    }
    const double guide = plot.Y(30);
    c.DashedLine({plot.left, guide}, {plot.right, guide}, 1.5, 5, colour::Ink);
    c.Text(plot.left + 6, guide - 10, "keep below 30%", 1, colour::Ink);
    const char* owed[] = {"$300", "$900", "$2,250"};
    for (std::size_t i = 0; i < used.size(); ++i) {
        const double cx = plot.left + (i + 0.5) * groupWidth;
        c.TextCentred(cx, plot.bottom + 5, owed[i], 1, colour::Ink);
        c.TextCentred(cx, plot.bottom + 15, "of $3,000", 1, colour::Ink);
    }
    c.TextCentred(ChartWidth / 2.0, 189, "balance owed / credit limit", 1, colour::Grey);
    return c;
}

// ---- Chapter 4: investing ----

Canvas RiskReturn() {
    Canvas c = ChartCanvas("Risk and return");
    const Plot plot{30, 40, 306, 164, 100};
    c.FillRect(plot.left - 0.5, plot.top, plot.left + 0.5, plot.bottom, colour::Ink);
    c.FillRect(plot.left, plot.bottom - 0.5, plot.right, plot.bottom + 0.5, colour::Ink);
    c.Text(plot.left + 6, plot.top - 2, "expected long-run return", 1, colour::Grey);
    c.TextRight(plot.right, plot.bottom + 6, "bigger ups and downs ->", 1, colour::Grey);
    c.DashedLine({plot.left + 20, plot.bottom - 12}, {plot.right - 14, plot.top + 14}, 1.5, 4,
                 colour::Grid);
    struct Dot {
        double x, y, r;
        Rgb colour;
        const char* label;
    };
    const Dot dots[] = {{58, 146, 9, colour::Grey, "Cash"},
                        {122, 122, 11, colour::Teal, "Bonds"},
                        {190, 96, 13, colour::Blue, "Balanced fund"},
                        {262, 66, 15, colour::Purple, "Stocks"}};
    for (const Dot& d : dots) {
        c.FillCircle(d.x, d.y, d.r, d.colour);
        c.TextCentred(d.x, d.y - d.r - 11, d.label, 1, colour::Ink);
    }
    return c;
}

Canvas PortfolioMix() {
    Canvas c = ChartCanvas("A 60/30/10 mix");
    DrawPie(c, {82, 112}, 62,
            {{0.6, colour::Purple, "Stocks 60%"},
             {0.3, colour::Teal, "Bonds 30%"},
             {0.1, colour::Grey, "Cash 10%"}},
            164);
    c.TextCentred(ChartWidth / 2.0, 184, "$20,000 split as $12,000 / $6,000 / $2,000", 1,
                  colour::Grey);
    return c;
}

// ---- Chapter 5: insurance ----

Canvas DeductibleTradeoff() {
    Canvas c = ChartCanvas("Yearly cost of two plans");
    DrawLegend(c, ChartWidth / 2.0, 29,
               {{colour::Blue, "$500 deductible"}, {colour::Orange, "$2,000 deductible"}});
    // Premiums of $1,200 and $700 a year; a big claim costs the whole deductible on top.
    const Series low{{1200, 1700}, colour::Blue};
    const Series high{{700, 2700}, colour::Orange};
    const Plot plot{46, 46, 310, 164, 3000};
    DrawGrid(c, plot, 1000, [](double v) { return Dollars(v); });
    const auto tops = DrawBars(c, plot, {"No claim", "One big claim"}, {low, high});
    for (std::size_t g = 0; g < tops.size(); ++g) {
        c.TextCentred(tops[g][0].x, tops[g][0].y - 10, Dollars(low.values[g]), 1, colour::Ink);
        c.TextCentred(tops[g][1].x, tops[g][1].y - 10, Dollars(high.values[g]), 1, colour::Ink);
    }
    c.TextCentred(ChartWidth / 2.0, 184, "premium + what you pay before the insurer pays", 1,
                  colour::Grey);
    return c;
}

Canvas RiskMatrix() {
    Canvas c = ChartCanvas("Four ways to handle risk");
    const double left = 74, top = 34, right = 306, bottom = 164;
    const double midX = (left + right) / 2, midY = (top + bottom) / 2;
    struct Cell {
        double x0, y0;
        Rgb colour;
        const char* name;
        const char* hint;
    };
    const Cell cells[] = {{left, top, colour::Blue, "Transfer", "buy insurance"},
                          {midX, top, colour::Red, "Avoid", "skip the activity"},
                          {left, midY, colour::Green, "Retain", "pay it yourself"},
                          {midX, midY, colour::Orange, "Reduce", "lower the odds"}};
    for (const Cell& cell : cells) {
        const double cx = cell.x0 + (midX - left) / 2, cy = cell.y0 + (midY - top) / 2;
        c.FillRect(cell.x0 + 1, cell.y0 + 1, cell.x0 + (midX - left) - 1,
                   cell.y0 + (midY - top) - 1, Mix(cell.colour, colour::White, 0.2));
        c.TextCentred(cx, cy - 14, cell.name, 2, colour::White);
        c.TextCentred(cx, cy + 6, cell.hint, 1, colour::White);
    }
    c.TextRight(left - 6, top + 10, "large", 1, colour::Ink);
    c.TextRight(left - 6, top + 20, "loss", 1, colour::Ink);
    c.TextRight(left - 6, midY + 10, "small", 1, colour::Ink);
    c.TextRight(left - 6, midY + 20, "loss", 1, colour::Ink);
    c.TextCentred((left + midX) / 2, bottom + 6, "happens rarely", 1, colour::Ink);
    c.TextCentred((midX + right) / 2, bottom + 6, "happens often", 1, colour::Ink);
    return c;
}

} // namespace

// The topic pages name these pictures; book.json maps every one of them.
const std::array<Picture, 10> PagePictures = {{
    {"budget-pie.jpg", BudgetPie},
    {"cash-flow.jpg", CashFlow},
    {"compound-growth.jpg", CompoundGrowth},
    {"purchasing-power.jpg", PurchasingPower},
    {"loan-balance.jpg", LoanBalance},
    {"credit-utilization.jpg", CreditUtilization},
    {"risk-return.jpg", RiskReturn},
    {"portfolio-mix.jpg", PortfolioMix},
    {"deductible-tradeoff.jpg", DeductibleTradeoff},
    {"risk-matrix.jpg", RiskMatrix},
}};

} // namespace quillara::demo
