// Checks the project's Markdown documents: their relative links and images, the commands they
// mark for checking, and the program's texts that the Bulgarian ones quote. Run it through
// scripts/check-docs.sh; Node's standard library only.
//
//   node scripts/lib/check-docs.mjs [--links-only] [--root DIR] [--server-timeout SECONDS]
//                                   [file.md...]
//
// Without files it reads README.md, every docs/**/*.md, bench/README.md and fuzz/README.md.
// A fenced block whose info string is exactly "sh check" holds commands, one a line (a line
// ending in a backslash goes on in the next; blank lines and lines starting with # are
// skipped), each run with bash from the repository's root. A block "sh check-server" holds
// commands that serve until stopped: each must print an http://127.0.0.1:PORT/ address that
// answers 200 in time, and is then stopped. No command may change or add files outside the
// build*/ folders. In docs/bg/teachers.md and docs/proporcia.bg.1 every quote „…“ must be a text
// of the program (quotingDocuments and textSources below), also with --links-only; a whole run
// checks both, a run with files those of them named. Every fault is reported as file:line.

import { spawn, spawnSync } from 'node:child_process';
import { createHash } from 'node:crypto';
import { existsSync, readdirSync, readFileSync, statSync } from 'node:fs';
import http from 'node:http';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

// ---- Reading Markdown ----------------------------------------------------------------------

const fenceOpening = /^( {0,3})(`{3,}|~{3,})(.*)$/;

// Splits a document into its lines, each marked with whether it is inside a fenced code block,
// and lists the fenced blocks with their info strings and contents (with the fence's own
// indentation taken off, as a list item's block has it).
export function scanFences(text) {
    const lines = text.split(/\r?\n/);
    const inCode = new Array(lines.length).fill(false);
    const blocks = [];
    let open = null;
    lines.forEach((line, index) => {
        if (open) {
            const closing = line.match(/^ {0,3}(`{3,}|~{3,})\s*$/);
            if (closing && closing[1][0] === open.marker[0] &&
                closing[1].length >= open.marker.length) {
                blocks.push(open.block);
                open = null;
            } else {
                inCode[index] = true;
                const unindented = line.replace(new RegExp(`^ {0,${open.indent}}`), '');
                open.block.lines.push({ text: unindented, line: index + 1 });
            }
            return;
        }
        const opening = line.match(fenceOpening);
        // A backtick fence's info string may not itself hold a backtick.
        if (opening && !(opening[2][0] === '`' && opening[3].includes('`'))) {
            inCode[index] = true;
            open = {
                marker: opening[2],
                indent: opening[1].length,
                block: { info: opening[3].trim(), line: index + 1, lines: [] },
            };
        }
    });
    if (open) blocks.push(open.block); // an unclosed fence runs to the end, as on GitHub
    return { lines, inCode, blocks };
}

// True for lines of an indented code block: four spaces or more after a blank line, outside a
// list (a list item's continuation lines are indented too, and are text).
function indentedCodeLines(lines, inCode) {
    const code = new Array(lines.length).fill(false);
    let inList = false;
    let previousBlank = true;
    lines.forEach((line, index) => {
        if (inCode[index]) {
            previousBlank = false;
            return;
        }
        if (line.trim() === '') {
            previousBlank = true;
            return;
        }
        const indent = line.match(/^ */)[0].length;
        if (indent >= 4 && !inList && (previousBlank || code[index - 1])) {
            code[index] = true;
        } else if (indent < 4) {
            inList = /^ {0,3}([-*+]|\d{1,9}[.)])( |$)/.test(line) || (inList && indent >= 2) ||
                (inList && !previousBlank);
        }
        previousBlank = false;
    });
    return code;
}

// A document's lines, and which of them are code, fenced or indented: code holds no headings and
// no links.
function linesAndCode(text) {
    const { lines, inCode } = scanFences(text);
    const indented = indentedCodeLines(lines, inCode);
    return { lines, isCode: (index) => inCode[index] || indented[index] };
}

// A heading's text as GitHub shows it: code spans, emphasis, links and images reduced to their
// words, inline HTML tags dropped.
function headingPlainText(source) {
    return source
        .replace(/!\[([^\]]*)\]\([^)]*\)/g, '$1')
        .replace(/\[([^\]]*)\]\([^)]*\)/g, '$1')
        .replace(/\[([^\]]*)\]\[[^\]]*\]/g, '$1')
        .replace(/<[^>]+>/g, '')
        .replace(/(`+)(.*?)\1/g, '$2')
        .replace(/(\*\*|__)(.+?)\1/g, '$2')
        .replace(/(^|\W)[*_](\S(?:.*?\S)?)[*_](?=\W|$)/gu, '$1$2')
        .trim();
}

// GitHub's anchor for one heading's text: lower case, everything but letters, marks, digits,
// underscores, hyphens and spaces removed, each space a hyphen.
export function slugify(headingText) {
    return headingText
        .toLowerCase()
        .replace(/[^\p{L}\p{M}\p{N}\p{Pc}\- ]/gu, '')
        .replace(/ /g, '-');
}

// The headings' texts of a document, in order: ATX (# Title) and setext (Title over === or ---)
// headings outside code blocks.
export function headings(text) {
    const { lines, isCode } = linesAndCode(text);
    const found = [];
    lines.forEach((line, index) => {
        if (isCode(index)) return;
        const atx = line.match(/^ {0,3}#{1,6}(?:[ \t]+(.*?))?(?:[ \t]+#+)?[ \t]*$/);
        if (atx) {
            found.push(headingPlainText(atx[1] ?? ''));
            return;
        }
        const next = lines[index + 1];
        if (next !== undefined && !isCode(index + 1) && /^ {0,3}(=+|-+)[ \t]*$/.test(next) &&
            line.trim() !== '' && !/^ {0,3}([-*+>]|\d+[.)])\s/.test(line) &&
            (index === 0 || lines[index - 1].trim() === '' || /^ {0,3}#/.test(lines[index - 1]))) {
            found.push(headingPlainText(line));
        }
    });
    return found;
}

// Every anchor a document has: its headings' slugs, a repeated one followed by -1, -2, ...,
// and the id or name of its HTML elements.
export function anchors(text) {
    const seen = new Map();
    const result = new Set();
    for (const heading of headings(text)) {
        const base = slugify(heading);
        let slug = base;
        while (seen.has(slug)) {
            const count = seen.get(base) + 1;
            seen.set(base, count);
            slug = `${base}-${count}`;
        }
        seen.set(slug, 0);
        result.add(slug);
    }
    for (const match of text.matchAll(/<[a-z][^>]*\s(?:id|name)\s*=\s*["']([^"']+)["']/gi)) {
        result.add(match[1]);
    }
    return result;
}

// Reads a link's destination from the text after its opening parenthesis: <in brackets>, or up
// to the first space or unbalanced closing parenthesis.
function destinationAt(text, start) {
    let i = start;
    while (text[i] === ' ' || text[i] === '\t') i++;
    if (text[i] === '<') {
        const end = text.indexOf('>', i);
        return end < 0 ? null : text.slice(i + 1, end);
    }
    let depth = 0;
    let j = i;
    for (; j < text.length; j++) {
        const c = text[j];
        if (c === '\\') {
            j++;
        } else if (c === '(') {
            depth++;
        } else if (c === ')') {
            if (depth === 0) break;
            depth--;
        } else if (/\s/.test(c)) {
            break;
        }
    }
    return j > i ? text.slice(i, j) : null;
}

// The relative and absolute links and images of a document, each with its line: inline ones,
// [text](destination) and ![alt](destination), and reference definitions, [name]: destination.
// Code blocks and code spans are left out.
export function links(text) {
    const { lines, isCode } = linesAndCode(text);
    const found = [];
    lines.forEach((line, index) => {
        if (isCode(index)) return;
        // Code spans are blanked, keeping the columns.
        const prose = line.replace(/(`+)(.*?)\1/g, (span) => ' '.repeat(span.length));
        const definition = prose.match(/^ {0,3}\[[^\]]+\]:[ \t]*(<[^>]*>|\S+)/);
        if (definition) {
            found.push({ target: definition[1].replace(/^<|>$/g, ''), line: index + 1 });
            return;
        }
        for (let at = prose.indexOf(']('); at >= 0; at = prose.indexOf('](', at + 2)) {
            const target = destinationAt(prose, at + 2);
            if (target !== null) found.push({ target, line: index + 1 });
        }
    });
    return found;
}

// The commands of a document's "sh check" and "sh check-server" blocks, in order, each with the
// line it starts on and whether it serves.
export function commands(text) {
    const result = [];
    for (const block of scanFences(text).blocks) {
        if (block.info !== 'sh check' && block.info !== 'sh check-server') continue;
        const serves = block.info === 'sh check-server';
        let pending = null;
        for (const { text: line, line: number } of block.lines) {
            if (pending === null) {
                if (line.trim() === '' || line.trimStart().startsWith('#')) continue;
                pending = { command: '', line: number, serves };
            }
            // The backslash and the line break stay: bash reads them as one line, as a reader does.
            const continued = /\\$/.test(line);
            pending.command += continued ? `${line}\n` : line;
            if (!continued) {
                pending.command = pending.command.trim();
                result.push(pending);
                pending = null;
            }
        }
        // A backslash on the block's last line has nothing to continue with.
        if (pending !== null) {
            pending.command = pending.command.trim();
            pending.unfinished = true;
            result.push(pending);
        }
    }
    return result;
}

// ---- Checking links --------------------------------------------------------------------------

// The files a reader of the repository sees: tracked ones and untracked ones not ignored, with
// the folders that hold them. Null outside a git work tree, where every existing file counts.
function visibleFiles(root) {
    const listed = spawnSync('git',
        ['ls-files', '-z', '--cached', '--others', '--exclude-standard'],
        { cwd: root, encoding: 'utf8' });
    if (listed.status !== 0) return null;
    const files = new Set();
    for (const file of listed.stdout.split('\0').filter(Boolean)) {
        let part = file;
        while (part !== '.' && !files.has(part)) {
            files.add(part);
            part = path.posix.dirname(part);
        }
    }
    return files;
}

// The faults of one document's links: a target that is not in the repository, or an anchor
// that is not one of its target's.
export function linkFaults(root, file, text, visible = visibleFiles(root), anchorsOf = null) {
    const anchorCache = new Map();
    const anchorsOfFile = anchorsOf ?? ((relative) => {
        if (!anchorCache.has(relative)) {
            anchorCache.set(relative, anchors(readFileSync(path.join(root, relative), 'utf8')));
        }
        return anchorCache.get(relative);
    });
    const faults = [];
    for (const { target, line } of links(text)) {
        // Addresses with a scheme (http:, https:, mailto:, ...) and protocol-relative ones are
        // not the repository's.
        if (/^[a-z][a-z0-9+.-]*:/i.test(target) || target.startsWith('//')) continue;
        const hash = target.indexOf('#');
        const pathPart = (hash < 0 ? target : target.slice(0, hash)).replace(/\?.*$/, '');
        const anchor = hash < 0 ? null : target.slice(hash + 1);
        let relative;
        try {
            relative = pathPart === '' ? file : decodeURIComponent(pathPart);
        } catch {
            faults.push({ file, line, message: `malformed link: ${target}` });
            continue;
        }
        if (pathPart !== '') {
            relative = relative.startsWith('/')
                ? path.posix.normalize(relative.slice(1))
                : path.posix.join(path.posix.dirname(file), relative);
            relative = relative.replace(/\/+$/, '') || '.';
        }
        if (relative === '..' || relative.startsWith('../')) {
            faults.push({ file, line, message: `link leaves the repository: ${target}` });
            continue;
        }
        const onDisk = path.join(root, relative);
        const present = existsSync(onDisk) && (visible === null || relative === '.' ||
            visible.has(relative));
        if (!present) {
            faults.push({ file, line, message: `broken link: ${target} (no file ${relative})` });
            continue;
        }
        if (anchor === null || anchor === '') continue;
        if (!/\.md$/i.test(relative) || !statSync(onDisk).isFile()) continue;
        let decoded = anchor;
        try {
            decoded = decodeURIComponent(anchor);
        } catch { /* compared as written */ }
        if (!anchorsOfFile(relative).has(decoded.toLowerCase()) &&
            !anchorsOfFile(relative).has(decoded)) {
            faults.push({
                file, line,
                message: `broken anchor: ${target} (no heading of ${relative} has #${decoded})`,
            });
        }
    }
    return faults;
}

// ---- Checking the program's quoted texts ---------------------------------------------------

// The Bulgarian documents that quote the program's buttons, fields and messages, and the files
// those texts are read from: the pages' words table, the window's captions and error box, and
// the menu entries' names. In those documents „…“ quotes a text of the program, which must be
// one of these, letter for letter; «…» quotes another program's (Windows, Excel, Moodle) and is
// not checked; what the program writes into a problem or a pupil types goes in `code`.
export const quotingDocuments = ['docs/bg/teachers.md', 'docs/proporcia.bg.1'];
export const textSources = [
    'worksheets/include/worksheets/page_words.h',
    'worksheets/src/page_words.cpp',
    'ui/description/src/main_form_design.cpp',
    'ui/description/src/runtime_error_texts.cpp',
    'CMakeLists.txt',
    'cmake/ProporciaPage.cmake',
];

const escapes = { n: '\n', r: '\r', t: '\t', 0: '\0' };

// The texts of a source: for C++, its string literals, adjacent ones joined as the compiler
// joins them, and its character literals, comments left out (no raw strings); for CMake, the
// values of its set(PROPORCIA_... "...") lines.
export function sourceTexts(file, source) {
    if (/(^|\/)CMakeLists\.txt$|\.cmake$/.test(file)) {
        return [...source.matchAll(/set\(\s*PROPORCIA_\w+\s+"((?:[^"\\]|\\.)*)"/g)]
            .map((match) => match[1].replace(/\\(.)/g, '$1'));
    }
    const texts = [];
    let joining = false; // the last token was a string literal, so a next one joins it
    for (let i = 0; i < source.length;) {
        const c = source[i];
        if (source.startsWith('//', i)) {
            i = source.indexOf('\n', i) < 0 ? source.length : source.indexOf('\n', i);
        } else if (source.startsWith('/*', i)) {
            i = source.indexOf('*/', i + 2) < 0 ? source.length : source.indexOf('*/', i + 2) + 2;
        } else if (c === '"' || (c === '\'' && !/[0-9A-Fa-f]/.test(source[i - 1] ?? ''))) {
            let text = '';
            for (i++; i < source.length && source[i] !== c; i++) {
                text += source[i] === '\\' ? (escapes[source[++i]] ?? source[i]) : source[i];
            }
            i++;
            if (c === '"' && joining) texts[texts.length - 1] += text;
            else texts.push(text);
            joining = c === '"';
        } else {
            if (!/\s/.test(c)) joining = false;
            i++;
        }
    }
    return texts;
}

// Whether a quote is a text of the program: one of its texts, or several of them and whole
// numbers in a row, as the program joins them ("Вариант " and 7 give „Вариант 7“).
export function isProgramText(quote, texts) {
    const pieces = texts.filter((text) => text !== '');
    // from[i]: the quote's rest from i is pieces and numbers, with a text among them (2) or not (1).
    const from = new Array(quote.length + 1).fill(0);
    from[quote.length] = 1;
    for (let i = quote.length - 1; i >= 0; i--) {
        for (const piece of pieces) {
            if (quote.startsWith(piece, i) && from[i + piece.length] > 0) from[i] = 2;
        }
        for (let j = i; from[i] < 2 && j < quote.length && /\d/.test(quote[j]); j++) {
            from[i] = Math.max(from[i], from[j + 1]);
        }
    }
    return from[0] === 2;
}

// The quotes „…“ of a document, each with the line it opens on, blanks and line breaks inside
// read as one space; code blocks, code spans and HTML comments left out. A manual page writes
// them \(Bq and \(lq. Faults: a quote left open, and straight quotes in Markdown prose.
export function quotes(text, manual = false) {
    let lines;
    if (manual) {
        lines = text.split(/\r?\n/).map((line) => (line.startsWith('.\\"') ? '' : line)
            .replace(/\\\(Bq/g, '„').replace(/\\\(lq/g, '“'));
    } else {
        const withoutComments = text.replace(/<!--[^]*?-->/g,
            (comment) => comment.replace(/[^\n]/g, ' '));
        const { lines: all, isCode } = linesAndCode(withoutComments);
        lines = all.map((line, index) => (isCode(index)
            ? '' : line.replace(/(`+)(.*?)\1/g, (span) => ' '.repeat(span.length))));
    }
    const found = [];
    const faults = [];
    let open = null;
    lines.forEach((line, index) => {
        if (!manual && line.includes('"')) {
            faults.push({ line: index + 1, message: 'a straight quote: quote the program „…“, ' +
                'other programs «…», and put what is typed or written in `code`' });
        }
        for (const c of line) {
            if (c === '„') {
                if (open !== null) faults.push({ line: open.line, message: 'a quote left open' });
                open = { text: '', line: index + 1 };
            } else if (c === '“' && open !== null) {
                found.push({ text: open.text.replace(/\s+/g, ' ').trim(), line: open.line });
                open = null;
            } else if (open !== null) {
                open.text += c;
            }
        }
        if (open !== null) open.text += ' ';
    });
    if (open !== null) faults.push({ line: open.line, message: 'a quote left open' });
    return { found, faults };
}

// The faults of one document's quotes, against the program's texts.
export function quoteFaults(file, text, texts) {
    const { found, faults } = quotes(text, !/\.md$/i.test(file));
    for (const { text: quote, line } of found) {
        if (!isProgramText(quote, texts)) {
            faults.push({ line, message: `„${quote}“ is no text of the program's; quote ` +
                'other programs «…», and put what is typed or written in `code`' });
        }
    }
    return faults.map((fault) => ({ file, ...fault }));
}

// ---- Running commands ------------------------------------------------------------------------

// What `git status` shows outside the build*/ folders, each path with a digest of its contents,
// so that a command editing a file already edited is seen too.
export function treeState(root) {
    const status = spawnSync('git',
        ['status', '--porcelain=v1', '-z', '--untracked-files=all', '--ignored=no'],
        { cwd: root, encoding: 'utf8' });
    if (status.status !== 0) return null;
    const state = new Map();
    const entries = status.stdout.split('\0');
    for (let i = 0; i < entries.length; i++) {
        const entry = entries[i];
        if (entry.length < 4) continue;
        const code = entry.slice(0, 2);
        const file = entry.slice(3);
        if (code[0] === 'R' || code[0] === 'C') i++; // the rename's source follows
        if (/^build[^/]*\//.test(file)) continue;
        let digest = 'absent';
        try {
            const full = path.join(root, file);
            digest = statSync(full).isFile()
                ? createHash('sha256').update(readFileSync(full)).digest('hex')
                : 'not a file';
        } catch { /* deleted */ }
        state.set(file, `${code} ${digest}`);
    }
    return state;
}

export function treeChanges(before, after) {
    if (before === null || after === null) return [];
    const changed = [];
    for (const [file, state] of after) {
        if (before.get(file) !== state) changed.push(file);
    }
    for (const file of before.keys()) {
        if (!after.has(file)) changed.push(file);
    }
    return changed.sort();
}

function tail(output, lineCount = 30) {
    const lines = output.replace(/\s+$/, '').split('\n');
    return lines.slice(-lineCount).map((line) => `    | ${line}`).join('\n');
}

// Starts a command with bash from the root, keeping the last 64 KiB of what it prints.
function startCommand(root, command, options = {}) {
    const child = spawn('bash', ['-c', `set -euo pipefail\n${command}`],
        { cwd: root, stdio: ['ignore', 'pipe', 'pipe'], ...options });
    let output = '';
    const keep = (chunk) => {
        output = (output + chunk).slice(-64 * 1024);
    };
    child.stdout.on('data', keep);
    child.stderr.on('data', keep);
    return { child, output: () => output };
}

// Runs one command to its end; resolves to null, or to a fault's text.
function runCommand(root, command) {
    return new Promise((resolve) => {
        const { child, output } = startCommand(root, command);
        // A build may say nothing for minutes; the log shows that it is still going.
        const started = Date.now();
        const ticker = setInterval(() => {
            console.log(`    ... ${Math.round((Date.now() - started) / 1000)} s`);
        }, 60000);
        child.on('error', (error) => resolve(`could not start bash: ${error.message}`));
        child.on('close', (code, signal) => {
            clearInterval(ticker);
            if (code === 0) resolve(null);
            else resolve(`failed (${signal ?? `exit code ${code}`}); the end of its output:\n` +
                tail(output()));
        });
    });
}

function answersOk(address) {
    return new Promise((resolve) => {
        const request = http.get(address, { timeout: 5000 }, (response) => {
            response.resume();
            resolve(response.statusCode === 200);
        });
        request.on('timeout', () => request.destroy());
        request.on('error', () => resolve(false));
    });
}

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// Starts a command that serves, in a process group of its own; waits for its address to
// answer 200, then stops the group. Resolves to null, or to a fault's text.
async function runServer(root, command, timeoutSeconds) {
    const { child, output } = startCommand(root, command, { detached: true });
    let exited = null;
    const closed = new Promise((resolve) => child.on('close', (code, signal) => {
        exited = signal ?? `exit code ${code}`;
        resolve();
    }));
    child.on('error', () => { /* reported as its exit */ });
    const deadline = Date.now() + timeoutSeconds * 1000;
    let fault = null;
    let address = null;
    for (;;) {
        address ??= output().match(/http:\/\/127\.0\.0\.1:\d+\/\S*/)?.[0] ?? null;
        if (address !== null && await answersOk(address)) break;
        if (exited !== null) {
            fault = `stopped by itself (${exited}) before ${address ?? 'printing its address'}` +
                `${address ? ' answered 200' : ''}; the end of its output:\n${tail(output())}`;
            break;
        }
        if (Date.now() >= deadline) {
            fault = (address === null
                ? `printed no http://127.0.0.1:PORT/ address in ${timeoutSeconds} s`
                : `${address} did not answer 200 in ${timeoutSeconds} s`) +
                `; the end of its output:\n${tail(output())}`;
            break;
        }
        await sleep(250);
    }
    const signalGroup = (signal) => {
        try {
            process.kill(-child.pid, signal);
        } catch { /* already gone */ }
    };
    if (exited === null) {
        signalGroup('SIGTERM');
        let timer;
        await Promise.race([closed,
            new Promise((resolve) => { timer = setTimeout(resolve, 10000); })]);
        clearTimeout(timer);
    }
    // What is left of the group, a shell that did not stop in 10 s or what it started and left
    // behind, is killed.
    signalGroup('SIGKILL');
    await closed;
    return fault;
}

// ---- The run -----------------------------------------------------------------------------------

function defaultDocuments(root) {
    const documents = [];
    const add = (relative) => {
        if (existsSync(path.join(root, relative))) documents.push(relative);
    };
    add('README.md');
    const walk = (folder) => {
        const full = path.join(root, folder);
        if (!existsSync(full)) return;
        for (const entry of readdirSync(full, { withFileTypes: true })
            .sort((a, b) => a.name.localeCompare(b.name))) {
            const relative = `${folder}/${entry.name}`;
            if (entry.isDirectory()) walk(relative);
            else if (/\.md$/i.test(entry.name)) documents.push(relative);
        }
    };
    walk('docs');
    add('bench/README.md');
    add('fuzz/README.md');
    return documents;
}

function parseArguments(argv) {
    const options = { linksOnly: false, root: null, serverTimeout: 120, files: [] };
    for (let i = 0; i < argv.length; i++) {
        const argument = argv[i];
        if (argument === '--links-only') {
            options.linksOnly = true;
        } else if (argument === '--root') {
            options.root = argv[++i];
        } else if (argument === '--server-timeout') {
            options.serverTimeout = Number(argv[++i]);
        } else if (argument.startsWith('-')) {
            throw new Error(`unknown option ${argument}`);
        } else {
            options.files.push(argument);
        }
    }
    if (!(options.serverTimeout > 0)) throw new Error('--server-timeout needs seconds');
    return options;
}

export async function main(argv) {
    let options;
    try {
        options = parseArguments(argv);
    } catch (error) {
        console.error(`check-docs: ${error.message}`);
        console.error('Usage: scripts/check-docs.sh [--links-only] [file.md...]');
        return 2;
    }
    const root = path.resolve(options.root ??
        path.join(path.dirname(fileURLToPath(import.meta.url)), '..', '..'));
    const documents = options.files.length > 0
        ? options.files.map((file) => path.relative(root, path.resolve(file)).split(path.sep)
            .join('/'))
        : defaultDocuments(root);
    const faults = [];
    const report = (fault) => {
        faults.push(fault);
        console.error(`${fault.file}:${fault.line}: ${fault.message}`);
    };

    const texts = new Map();
    const visible = visibleFiles(root);
    for (const document of documents) {
        let text;
        try {
            text = readFileSync(path.join(root, document), 'utf8');
        } catch {
            report({ file: document, line: 0, message: 'cannot be read' });
            continue;
        }
        texts.set(document, text);
        linkFaults(root, document, text, visible).forEach(report);
    }
    let linkCount = 0;
    for (const text of texts.values()) linkCount += links(text).length;
    console.log(`Links: ${linkCount} in ${texts.size} documents, ${faults.length} broken.`);

    // The quotes of the Bulgarian documents checked: all of them in a whole run, else those named.
    const quoting = quotingDocuments.filter((document) => (options.files.length > 0
        ? texts.has(document) : existsSync(path.join(root, document))));
    if (quoting.length > 0) {
        const before = faults.length;
        const programTexts = [];
        for (const source of textSources) {
            try {
                programTexts.push(...sourceTexts(source,
                    readFileSync(path.join(root, source), 'utf8')));
            } catch {
                report({ file: source, line: 0, message: 'cannot be read, and the documents ' +
                    'quote the program\'s texts from it' });
            }
        }
        let quoteCount = 0;
        for (const document of quoting) {
            const text = texts.get(document) ?? readFileSync(path.join(root, document), 'utf8');
            quoteCount += quotes(text, !/\.md$/i.test(document)).found.length;
            quoteFaults(document, text, programTexts).forEach(report);
        }
        console.log(`Quotes of the program: ${quoteCount} in ${quoting.length} documents, ` +
            `${faults.length - before} faults.`);
    }

    if (!options.linksOnly) {
        let commandCount = 0;
        for (const [document, text] of texts) {
            for (const { command, line, serves, unfinished } of commands(text)) {
                commandCount++;
                const where = `${document}:${line}`;
                console.log(`${where}: $ ${command.replace(/\n/g, '\n    ')}`);
                if (unfinished) {
                    report({ file: document, line, message: 'the block ends in a continued line' });
                    continue;
                }
                const before = treeState(root);
                const started = Date.now();
                const fault = serves
                    ? await runServer(root, command, options.serverTimeout)
                    : await runCommand(root, command);
                const changed = treeChanges(before, treeState(root));
                if (fault !== null) {
                    report({ file: document, line, message: `${command}: ${fault}` });
                } else {
                    console.log(`    ok (${Math.round((Date.now() - started) / 1000)} s)`);
                }
                if (changed.length > 0) {
                    report({
                        file: document, line,
                        message: `${command}: changed files outside build*/: ${changed.join(', ')}`,
                    });
                }
            }
        }
        console.log(`Commands: ${commandCount} run.`);
    }
    if (faults.length > 0) {
        console.error(`check-docs: ${faults.length} fault${faults.length === 1 ? '' : 's'}.`);
        return 1;
    }
    return 0;
}

if (process.argv[1] && path.resolve(process.argv[1]) === fileURLToPath(import.meta.url)) {
    process.exitCode = await main(process.argv.slice(2));
}
