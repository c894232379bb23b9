"""The small faults a careless edit makes, found in a C++ source: a comparison
flipped, && and || swapped, a condition negated, a constant off by one, a
returned true or false swapped, a statement removed. Shared by the portable and
the Windows runner of make mutants."""
import contextlib
import os
import re

FLIPS = {"==": "!=", "!=": "==", "<": "<=", "<=": "<", ">": ">=", ">=": ">", "&&": "||", "||": "&&"}
NOT_STATEMENTS = {"return", "break", "continue", "if", "else", "for", "while", "do", "switch", "case", "default",
                  "const", "constexpr", "static", "auto", "unsigned", "signed", "int", "long", "short", "bool", "char",
                  "double", "float", "void", "using", "namespace", "typedef", "struct", "class", "enum", "template",
                  "throw", "goto", "public", "private", "protected"}


def code_only(lines):
    """Each line with its comments and the insides of its string and character
    literals blanked out, so that no change is planted there."""
    masked, in_comment = [], False
    for line in lines:
        out, i = [], 0
        while i < len(line):
            if in_comment:
                end = line.find("*/", i)
                if end < 0:
                    out.append(" " * (len(line) - i))
                    break
                out.append(" " * (end + 2 - i))
                i, in_comment = end + 2, False
            elif line.startswith("//", i):
                out.append(" " * (len(line) - i))
                break
            elif line.startswith("/*", i):
                in_comment = True
            elif line[i] in "\"'":
                quote, j = line[i], i + 1
                while j < len(line) and line[j] != quote:
                    j += 2 if line[j] == "\\" else 1
                out.append(quote + " " * (min(j, len(line)) - i - 1) + (quote if j < len(line) else ""))
                i = j + 1
            else:
                out.append(line[i])
                i += 1
        masked.append("".join(out)[:len(line)])
    return masked


def closing_paren(code, start):
    depth = 0
    for i in range(start, len(code)):
        depth += {"(": 1, ")": -1}.get(code[i], 0)
        if depth == 0:
            return i
    return -1


def mutants_of(path, text):
    """Every change of the file as (path, line number, start, end, replacement, description)."""
    lines = text.split("\n")
    found = []
    for number, (line, code) in enumerate(zip(lines, code_only(lines)), 1):
        if code.lstrip().startswith("#"):
            continue
        for match in re.finditer(r"(?<= )(==|!=|<=|>=|<|>|&&|\|\|)(?= )", code):
            op = match.group(1)
            found.append((number, match.start(), match.end(), FLIPS[op], "`%s` -> `%s`" % (op, FLIPS[op])))
        for match in re.finditer(r"\b(if|while) \(", code):
            close = closing_paren(code, match.end() - 1)
            if close > 0:
                inside = line[match.end():close]
                found.append((number, match.end(), close, "!(%s)" % inside, "%s condition negated" % match.group(1)))
        for match in re.finditer(r"(?<![\w.])(\d+)([uUlL]*)(?![\w.])", code):
            value = int(match.group(1))
            found.append((number, match.start(1), match.end(1), str(value + 1), "`%d` -> `%d`" % (value, value + 1)))
        for match in re.finditer(r"\breturn (true|false);", code):
            other = "false" if match.group(1) == "true" else "true"
            found.append((number, match.start(1), match.end(1), other, "`return %s` -> `return %s`"
                           % (match.group(1), other)))
        statement = re.match(r"^(\s*)(([A-Za-z_]\w*)[\w:.\->\[\]]*\s*(\(.*\)|[-+*/|&]?=.*|\+\+|--))\s*;\s*$", code)
        if statement and statement.group(3) not in NOT_STATEMENTS:
            found.append((number, statement.start(2), len(line.rstrip()), "{}", "statement removed: `%s`"
                          % line.strip()))
    return [(path,) + change for change in found]


def apply(text, mutant):
    _, number, start, end, replacement, _ = mutant
    lines = text.split("\n")
    line = lines[number - 1]
    lines[number - 1] = line[:start] + replacement + line[end:]
    return "\n".join(lines)


# A planted fault can turn a test's clean-up into a walk over the whole file
# system; run by root, it once removed /etc. The mutated tests therefore run as
# nobody, in a temporary folder of their own, where nothing else can be removed.
NOBODY = 65534


@contextlib.contextmanager
def mutated(source, mutant):
    """The mutant planted in its file below source for the time of the block, then the file as it was."""
    path = os.path.join(source, mutant[0])
    with open(path) as original:
        text = original.read()
    try:
        with open(path, "w") as changed:
            changed.write(apply(text, mutant))
        yield
    finally:
        with open(path, "w") as restored:
            restored.write(text)


def without_privileges():
    if os.geteuid() == 0:
        os.setgroups([])
        os.setgid(NOBODY)
        os.setuid(NOBODY)
