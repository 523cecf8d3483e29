#include "moodle_xml_reader.h"

#include "markup_text.h"
#include "quiz_file_text.h"

#include <algorithm>
#include <cmath>
#include <libxml/SAX2.h>
#include <libxml/parser.h>
#include <libxml/tree.h>
#include <memory>
#include <new>
#include <optional>

namespace quillara::tool {

namespace {

std::string_view Name(const xmlNode* node) {
    return reinterpret_cast<const char*>(node->name);
}

const xmlNode* Child(const xmlNode* node, std::string_view name) {
    if (!node) return nullptr;
    for (const xmlNode* child = node->children; child; child = child->next)
        if (child->type == XML_ELEMENT_NODE && Name(child) == name) return child;
    return nullptr;
}

std::vector<const xmlNode*> Children(const xmlNode* node, std::string_view name) {
    std::vector<const xmlNode*> found;
    for (const xmlNode* child = node ? node->children : nullptr; child; child = child->next)
        if (child->type == XML_ELEMENT_NODE && Name(child) == name) found.push_back(child);
    return found;
}

std::string Content(const xmlNode* node) {
    if (!node) return {};
    xmlChar* content = xmlNodeGetContent(node);
    std::string text = content ? reinterpret_cast<const char*>(content) : "";
    xmlFree(content);
    return text;
}

std::string Attribute(const xmlNode* node, const char* name) {
    xmlChar* value = xmlGetProp(node, BAD_CAST name);
    std::string text = value ? reinterpret_cast<const char*>(value) : "";
    xmlFree(value);
    return text;
}

// The <text> of an element, as its format attribute says to read it.
std::string FormattedText(const xmlNode* node) {
    if (!node) return {};
    const std::string text = Content(Child(node, "text"));
    const std::string format = Attribute(node, "format");
    if (format == "plain_text") return TidyLines(text);
    if (format == "markdown") return MarkdownToPlainText(text);
    return HtmlToPlainText(text);
}

std::string PlainContent(const xmlNode* node) {
    return std::string(Trim(Content(node)));
}

// A fault the parser met, with its place. The first one names what the author has to mend;
// those after it follow from the parser losing its way.
struct TParseFault {
    int Code = 0;
    int Level = XML_ERR_NONE;
    int Line = 1;
    int Column = 1;
    // The depth reached, for an element nested too deeply.
    int Number = 0;
};

// What the parser met, collected per parse through its own context rather than a handler
// global to the library.
struct TParseFaults {
    std::optional<TParseFault> First;
    // Where a document type was declared, when one was.
    std::optional<int> DocumentTypeLine;
};

TParseFaults& FaultsOf(void* context) {
    return *static_cast<TParseFaults*>(static_cast<xmlParserCtxt*>(context)->_private);
}

// A later fault replaces the first only when it is graver: a warning is no reason to stop.
void OnParseError(void* context, xmlError* error) {
    std::optional<TParseFault>& first = FaultsOf(context).First;
    if (first && error->level <= first->Level) return;
    first = TParseFault{error->code, error->level, std::max(error->line, 1),
                        std::max(error->int2, 1), error->int1};
}

// Quiz files declare no document type; a file that does is stopped there, before its
// declarations are read.
void OnDocumentType(void* context, const xmlChar*, const xmlChar*, const xmlChar*) {
    FaultsOf(context).DocumentTypeLine = std::max(xmlSAX2GetLineNumber(context), 1);
    xmlStopParser(static_cast<xmlParserCtxt*>(context));
}

// The parser reading a piece at a time sets no limit of its own on how deep elements nest,
// and every open element is held: one nested deeper than a quiz file's stops it.
constexpr int MaxDepth = 256;

void OnStartElement(void* context, const xmlChar* name, const xmlChar* prefix, const xmlChar* uri,
                    int namespaceCount, const xmlChar** namespaces, int attributeCount,
                    int defaulted, const xmlChar** attributes) {
    auto* parser = static_cast<xmlParserCtxt*>(context);
    if (parser->nameNr > MaxDepth) {
        // The place of the tag's "<", as the parser names a fault's place.
        int column = xmlSAX2GetColumnNumber(context);
        for (const xmlChar* at = parser->input->cur; at > parser->input->base && *at != '<'; --at)
            --column;
        FaultsOf(context).First =
            TParseFault{XML_ERR_INTERNAL_ERROR, XML_ERR_FATAL, xmlSAX2GetLineNumber(context),
                        std::max(column, 1), MaxDepth};
        xmlStopParser(parser);
        parser->wellFormed = 0;
        return;
    }
    xmlSAX2StartElementNs(context, name, prefix, uri, namespaceCount, namespaces, attributeCount,
                          defaulted, attributes);
}

// The place the parser stopped, in the program's own words.
std::string ParseErrorMessage(const std::optional<TParseFault>& fault) {
    switch (fault ? fault->Code : 0) {
    case XML_ERR_DOCUMENT_EMPTY:
        return "the file is empty";
    case XML_ERR_TAG_NAME_MISMATCH:
        return "an element is closed with another element's name";
    case XML_ERR_TAG_NOT_FINISHED:
    case XML_ERR_DOCUMENT_END:
    case XML_ERR_LTSLASH_REQUIRED:
        return "the file ends before its elements are closed";
    case XML_ERR_UNDECLARED_ENTITY:
    case XML_WAR_UNDECLARED_ENTITY:
    case XML_ERR_ENTITYREF_SEMICOL_MISSING:
        return "an unknown character name; write & as &amp;";
    case XML_ERR_INVALID_CHAR:
    case XML_ERR_INVALID_ENCODING:
        return "a character that XML does not allow here";
    case XML_ERR_LT_IN_ATTRIBUTE:
    case XML_ERR_ATTRIBUTE_WITHOUT_VALUE:
    case XML_ERR_ATTRIBUTE_NOT_STARTED:
    case XML_ERR_ATTRIBUTE_REDEFINED:
        return "an attribute is not written as name=\"value\"";
    case XML_ERR_ATTRIBUTE_NOT_FINISHED:
        return "an attribute's value has no closing quote or is longer than 10,000,000 "
               "characters";
    case XML_ERR_INTERNAL_ERROR:
        // Of the faults with this code, only the depth limit carries a number.
        if (fault->Number > 0)
            return "elements are nested more than " + std::to_string(fault->Number) +
                   " deep, more than a quiz file's";
        return "this is not well-formed XML";
    case XML_ERR_NAME_REQUIRED:
    case XML_ERR_GT_REQUIRED:
    case XML_ERR_LT_REQUIRED:
        return "a tag is not written as <name> or </name>; write < in text as &lt;";
    default:
        return "this is not well-formed XML";
    }
}

class TQuestionReader {
public:
    explicit TQuestionReader(const xmlNode* node) : Node(node) {
        const std::string name = PlainContent(Child(Child(node, "name"), "text"));
        Question.Where = (name.empty() ? "question" : "question \"" + name + "\"") + " (line " +
                         std::to_string(xmlGetLineNo(node)) + ")";
        Question.Name = name;
        const xmlNode* text = Child(node, "questiontext");
        Question.Text = FormattedText(text);
        if (Content(Child(text, "text")).find("<img") != std::string::npos)
            Question.Notes.push_back("its pictures are left out");
        Question.GeneralFeedback = FormattedText(Child(node, "generalfeedback"));
    }

    TImportedQuestion Read(std::string_view type) {
        if (type == "truefalse") {
            ReadTrueFalse();
        } else if (type == "multichoice") {
            ReadMultipleChoice();
        } else if (type == "numerical") {
            Question.Kind = TImportedKind::Numerical;
            ReadNumericAnswer();
            if (!Children(Child(Node, "units"), "unit").empty())
                Question.Notes.push_back("its units are left out");
        } else if (type == "calculated" || type == "calculatedsimple") {
            ReadCalculated();
        } else if (type == "description") {
            Skip("a text without answers, which is no question");
        } else if (type == "shortanswer") {
            Skip("a short-answer question, whose typed answer a book cannot check");
        } else if (type == "matching" || type == "randomsamatch") {
            Skip("a matching question");
        } else if (type == "essay") {
            Skip("an essay question, which has no answer to check");
        } else if (type == "cloze" || type == "multianswer") {
            Skip("an embedded-answers (cloze) question, whose gaps a book cannot hold");
        } else if (type == "calculatedmulti") {
            Skip("a calculated multiple-choice question, whose choices are formulas");
        } else {
            Skip("a question of the type \"" + std::string(type) + "\", which a book has not");
        }
        return std::move(Question);
    }

private:
    void Skip(std::string reason) {
        Question.Kind = TImportedKind::Unsupported;
        Question.SkipReason = std::move(reason);
    }

    static double Fraction(const xmlNode* answer) {
        return QuizNumber(Attribute(answer, "fraction")).value_or(0);
    }

    void ReadTrueFalse() {
        Question.Kind = TImportedKind::TrueFalse;
        bool found = false;
        for (const xmlNode* answer : Children(Node, "answer")) {
            const std::string text = PlainContent(Child(answer, "text"));
            const bool isTrue = text == "true" || text == "True" || text == "TRUE";
            if (Fraction(answer) >= 100) {
                Question.TrueAnswer = isTrue;
                found = true;
            } else {
                Question.WrongFeedback = FormattedText(Child(answer, "feedback"));
            }
        }
        if (!found) Skip("no answer with full credit");
    }

    void ReadMultipleChoice() {
        Question.Kind = TImportedKind::MultipleChoice;
        int right = 0;
        bool partial = false;
        for (const xmlNode* answer : Children(Node, "answer")) {
            const double fraction = Fraction(answer);
            TImportedChoice choice{FormattedText(answer), FormattedText(Child(answer, "feedback")),
                                   fraction >= 100};
            right += choice.Right ? 1 : 0;
            partial = partial || (fraction > 0 && fraction < 100);
            Question.Choices.push_back(std::move(choice));
        }
        // <shuffleanswers> is 1 unless the author said otherwise.
        const std::string shuffle = PlainContent(Child(Node, "shuffleanswers"));
        Question.Shuffle = !(shuffle == "0" || shuffle == "false");
        // One answer with full credit is the question's answer, whether the file lets students
        // tick one box or several.
        if (right > 1)
            Skip("several right answers, which a book's questions do not have");
        else if (right == 0)
            Skip(partial ? "answers with partial credit and none with full credit"
                         : "no right answer");
        else if (partial)
            Question.Notes.push_back(
                "its answers with partial credit are wrong answers in the book");
    }

    // The answer with full credit; the others' feedback is for wrong answers.
    const xmlNode* ReadNumericAnswer() {
        const xmlNode* full = nullptr;
        for (const xmlNode* answer : Children(Node, "answer")) {
            if (!full && Fraction(answer) >= 100) {
                full = answer;
            } else if (const std::string feedback = FormattedText(Child(answer, "feedback"));
                       !feedback.empty()) {
                Question.WrongFeedback += (Question.WrongFeedback.empty() ? "" : "\n") + feedback;
            }
        }
        if (!full) {
            Skip("no answer with full credit");
            return nullptr;
        }
        if (Children(Node, "answer").size() > 1)
            Question.Notes.push_back("only the answer with full credit is kept");
        const std::string formula = PlainContent(Child(full, "text"));
        Question.Formula = formula;
        Question.Tolerance =
            std::fabs(QuizNumber(PlainContent(Child(full, "tolerance"))).value_or(0));
        if (Question.Kind == TImportedKind::Numerical) {
            if (!QuizNumber(formula)) {
                Skip("its answer \"" + formula + "\" is not a number");
                return nullptr;
            }
            Question.AnswerDecimals = DecimalsWritten(formula);
        }
        if (const std::string feedback = FormattedText(Child(full, "feedback"));
            !feedback.empty() && Question.GeneralFeedback.empty())
            Question.GeneralFeedback = feedback;
        return full;
    }

    void ReadCalculated() {
        Question.Kind = TImportedKind::Calculated;
        const xmlNode* answer = ReadNumericAnswer();
        if (!answer) return;
        // Tolerance types: 1 relative, 2 nominal, 3 geometric.
        if (PlainContent(Child(answer, "tolerancetype")) != "2")
            Question.ToleranceKind = TToleranceKind::Relative;
        // Answer formats: 1 decimal places, 2 significant figures. The platforms offer 0 to 9
        // places; a length beyond them is held there, never turned into a wild int.
        const auto length = QuizNumber(PlainContent(Child(answer, "correctanswerlength")));
        if (PlainContent(Child(answer, "correctanswerformat")) != "2" && length)
            Question.AnswerDecimals = static_cast<int>(std::clamp(*length, 0.0, 9.0));
        for (const xmlNode* definition :
             Children(Child(Node, "dataset_definitions"), "dataset_definition")) {
            TImportedVariable variable;
            variable.Name = PlainContent(Child(Child(definition, "name"), "text"));
            const auto min = QuizNumber(PlainContent(Child(Child(definition, "minimum"), "text")));
            const auto max = QuizNumber(PlainContent(Child(Child(definition, "maximum"), "text")));
            const auto decimals =
                QuizNumber(PlainContent(Child(Child(definition, "decimals"), "text")));
            if (!min || !max || !decimals || *decimals < 0 || *decimals > 9 ||
                *decimals != std::floor(*decimals)) {
                Skip("the range of the variable \"" + variable.Name + "\" is not numbers from " +
                     "minimum to maximum with 0 to 9 decimals");
                return;
            }
            variable.Min = *min;
            variable.Max = *max;
            variable.Decimals = static_cast<int>(*decimals);
            variable.Uniform =
                PlainContent(Child(Child(definition, "distribution"), "text")) != "loguniform";
            Question.Variables.push_back(std::move(variable));
        }
    }

    const xmlNode* Node;
    TImportedQuestion Question;
};

} // namespace

struct TMoodleXmlFaults : TParseFaults {};

TMoodleXmlReader::TMoodleXmlReader(std::function<bool(TImportedQuestion&&)> take)
    : Take(std::move(take)), Faults(std::make_unique<TMoodleXmlFaults>()) {}

TMoodleXmlReader::~TMoodleXmlReader() {
    if (Context) {
        xmlFreeDoc(Context->myDoc);
        Context->myDoc = nullptr;
        xmlFreeParserCtxt(Context);
    }
}

bool TMoodleXmlReader::Feed(std::string_view bytes, bool last) {
    Read += bytes.size();
    if (last && Read == 0) throw TImportParseError(1, 1, "the file is empty");
    if (!Context) {
        // The first bytes go in with the context, so that it can tell the file's encoding.
        const std::size_t first = last ? bytes.size() : std::min<std::size_t>(bytes.size(), 4);
        if (!last && first < 4) {
            Start += bytes;
            return true;
        }
        Start += bytes.substr(0, first);
        bytes.remove_prefix(first);
        Context = xmlCreatePushParserCtxt(nullptr, nullptr, Start.data(),
                                          static_cast<int>(Start.size()), nullptr);
        if (!Context) throw std::bad_alloc();
        Context->_private = static_cast<TParseFaults*>(Faults.get());
        Context->sax->serror = OnParseError;
        Context->sax->internalSubset = OnDocumentType;
        Context->sax->startElementNs = OnStartElement;
        // No network, no entity expansion, no external document type, no messages on stderr.
        xmlCtxtUseOptions(Context, XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
    }
    xmlParseChunk(Context, bytes.data(), static_cast<int>(bytes.size()), last ? 1 : 0);
    // The parser reports no document type after a fault that stopped it.
    if (Faults->DocumentTypeLine)
        throw TImportParseError(*Faults->DocumentTypeLine, 1,
                                "the file declares a document type, which quiz files "
                                "do not have");
    if (!Context->wellFormed || (last && !Context->myDoc)) {
        const TParseFault place = Faults->First.value_or(TParseFault{});
        // The questions closed before the fault are whole: they are handed over first.
        if (Context->myDoc) {
            try {
                TakeFinished(false);
            } catch (const TImportParseError&) {
                // No <quiz> root: the fault the parser met is the one to tell.
            }
        }
        throw TImportParseError(place.Line, place.Column, ParseErrorMessage(Faults->First));
    }
    return TakeFinished(last);
}

// Hands over each question the parser has closed and lets its nodes go, so that only the
// question being read is held.
bool TMoodleXmlReader::TakeFinished(bool last) {
    xmlNode* root = Context->myDoc ? xmlDocGetRootElement(Context->myDoc) : nullptr;
    if (!root) {
        if (last || Context->myDoc)
            throw TImportParseError(1, 1, "a quiz file holds its questions in <quiz>");
        return true;
    }
    if (Name(root) != "quiz")
        throw TImportParseError(static_cast<int>(xmlGetLineNo(root)), 1,
                                "a quiz file holds its questions in <quiz>");
    // The child of the root that the parser is still inside, if any.
    xmlNode* open = Context->node;
    while (open && open->parent != root)
        open = open->parent;
    for (xmlNode* child = root->children; child && child != open;) {
        xmlNode* next = child->next;
        if (child->type == XML_ELEMENT_NODE && Name(child) == "question") {
            const std::string type = Attribute(child, "type");
            if (type != "category" && !Take(TQuestionReader(child).Read(type))) return false;
        }
        xmlUnlinkNode(child);
        xmlFreeNode(child);
        child = next;
    }
    return true;
}

std::vector<TImportedQuestion> ReadMoodleXml(std::string_view bytes) {
    std::vector<TImportedQuestion> questions;
    TMoodleXmlReader reader([&](TImportedQuestion&& question) {
        questions.push_back(std::move(question));
        return true;
    });
    // Fed in pieces, as a file is read, so that questions are handed over part way.
    constexpr std::size_t Piece = 4096;
    do {
        const std::string_view piece = bytes.substr(0, Piece);
        bytes.remove_prefix(piece.size());
        reader.Feed(piece, bytes.empty());
    } while (!bytes.empty());
    return questions;
}

} // namespace quillara::tool
