// The documents' checker (scripts/lib/check-docs.mjs): how it reads links, anchors and marked
// commands, and the faults it must report, each run on a small repository of its own.
// Run with: node --test tests/docs/check_docs.test.mjs

import assert from 'node:assert/strict';
import { spawn, spawnSync } from 'node:child_process';
import { existsSync, mkdirSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { describe, it } from 'node:test';
import { fileURLToPath } from 'node:url';

import {
    anchors, commands, headings, isProgramText, links, quotes, slugify,
} from '../../scripts/lib/check-docs.mjs';

const checker = fileURLToPath(new URL('../../scripts/lib/check-docs.mjs', import.meta.url));

describe('a heading\'s anchor, as GitHub makes it', () => {
    const rows = [
        ['What ./test.sh costs', 'what-testsh-costs'],
        ['In a browser', 'in-a-browser'],
        ['Работен лист – сложно тройно правило', 'работен-лист--сложно-тройно-правило'],
        ['Задача и „Сметки“', 'задача-и-сметки'],
        ['C++20 & CMake: the builds', 'c20--cmake-the-builds'],
        ['snake_case and kebab-case stay', 'snake_case-and-kebab-case-stay'],
        ['Ünïcode ÄÖ 12', 'ünïcode-äö-12'],
        ['Tests (one suite) — 2 ways?', 'tests-one-suite--2-ways'],
        ['  trailing  spaces ', '--trailing--spaces-'],
    ];
    for (const [text, slug] of rows) {
        it(`${JSON.stringify(text)} -> ${slug}`, () => assert.equal(slugify(text), slug));
    }
});

describe('the headings a document has', () => {
    const rows = [
        ['atx levels and closing hashes', '# One\n### Two ###\n####### Seven', ['One', 'Two']],
        ['inline markup reduced to words', '## `ctest` and **bold** [link](a.md) *it*',
            ['ctest and bold link it']],
        ['a hash without a space is text', '#hashtag\n#\n', ['']],
        ['setext headings', 'Title\n=====\n\nSub\n---\n', ['Title', 'Sub']],
        ['fenced and indented code left out', '```sh\n# comment\n```\n\n    # code\n\n# Real',
            ['Real']],
        ['a tilde fence', '~~~\n# not\n~~~\n# Yes', ['Yes']],
        ['an unclosed fence runs to the end', '# A\n```\n# not\n', ['A']],
    ];
    for (const [name, text, expected] of rows) {
        it(name, () => assert.deepEqual(headings(text), expected));
    }
});

describe('the anchors a document has', () => {
    const rows = [
        ['repeated headings numbered', '# Tests\n## Tests\n### Tests',
            ['tests', 'tests-1', 'tests-2']],
        ['a heading already numbered', '# A\n# A-1\n# A', ['a', 'a-1', 'a-2']],
        ['HTML ids and names', '<a name="here"></a>\n<div id="there">', ['here', 'there']],
    ];
    for (const [name, text, expected] of rows) {
        it(name, () => assert.deepEqual([...anchors(text)].sort(), [...expected].sort()));
    }
});

describe('the links of a document', () => {
    const rows = [
        ['inline link and image', 'See [a](a.md) and ![p](docs/p.png).',
            [['a.md', 1], ['docs/p.png', 1]]],
        ['an image inside a link', '[![alt](i.png)](target.md#x)',
            [['i.png', 1], ['target.md#x', 1]]],
        ['a title and angle brackets', '[a](b.md "Title") [c](<with space.md>)',
            [['b.md', 1], ['with space.md', 1]]],
        ['parentheses kept in a path', '[a](file_(1).md)', [['file_(1).md', 1]]],
        ['a reference definition', 'text\n\n[ref]: docs/x.md#y "t"', [['docs/x.md#y', 3]]],
        ['code spans left out', 'Run `[x](nope.md)` or [y](yes.md)', [['yes.md', 1]]],
        ['fenced code left out', '```\n[x](nope.md)\n```\n[y](yes.md)', [['yes.md', 4]]],
        ['indented code left out', 'text\n\n    [x](nope.md)\n\n[y](yes.md)', [['yes.md', 5]]],
        ['a list item\'s indented line kept', '- item\n\n    [y](yes.md)', [['yes.md', 3]]],
        ['link text over two lines', '[one\ntwo](two.md)', [['two.md', 2]]],
        ['absolute addresses listed too', '[w](https://x.org) [m](mailto:a@b.c)',
            [['https://x.org', 1], ['mailto:a@b.c', 1]]],
    ];
    for (const [name, text, expected] of rows) {
        it(name, () => assert.deepEqual(links(text).map((l) => [l.target, l.line]), expected));
    }
});

describe('the commands of marked blocks', () => {
    const rows = [
        ['one command a line', '```sh check\ncmake --build --preset linux\nctest -N\n```',
            [['cmake --build --preset linux', 2, false], ['ctest -N', 3, false]]],
        ['comments and blank lines skipped', '```sh check\n# why\n\n  # indented\nls\n```',
            [['ls', 5, false]]],
        ['a continued line is one command', '```sh check\ncmake --build \\\n  --preset x\n```',
            [['cmake --build \\\n  --preset x', 2, false]]],
        ['a serving block', '```sh check-server\nscripts/serve-web.sh 8765\n```',
            [['scripts/serve-web.sh 8765', 2, true]]],
        ['other info strings not run', '```sh\nrm -rf /\n```\n```sh checked\nx\n```\n' +
            '```bash check\ny\n```\n```\nz\n```', []],
        ['a block inside a list item', '1. Build:\n\n   ```sh check\n   make it\n   ```',
            [['make it', 4, false]]],
        ['a tilde fence', '~~~sh check\nls\n~~~', [['ls', 2, false]]],
    ];
    for (const [name, text, expected] of rows) {
        it(name, () => assert.deepEqual(
            commands(text).map((c) => [c.command, c.line, c.serves]), expected));
    }
    it('a block ending in a continued line is marked unfinished', () => {
        const [command] = commands('```sh check\nls \\\n```');
        assert.equal(command.unfinished, true);
    });
});

describe('the quotes of a document, and whether they are the program\'s texts', () => {
    const texts = ['Печат', 'Вариант ', 'Верни отговори: ', ' от ', 'вярно', ', с подсказка'];
    const quoteRows = [
        ['Печат', true], ['Вариант 7', true], ['Верни отговори: 3 от 5', true],
        ['вярно, с подсказка', true], ['Печатай', false], ['Вариант', false], ['12', false],
    ];
    for (const [quote, expected] of quoteRows) {
        it(`„${quote}“`, () => assert.equal(isProgramText(quote, texts), expected));
    }
    const rows = [
        ['over a line break', '- „С подсказки в\n  упражнението“ и „Печат“', false,
            [['С подсказки в упражнението', 1], ['Печат', 2]], []],
        ['code, comments and others\' quotes left out',
            '<!-- „a“\n-->\n`„b“`\n```\n„c“\n```\n«Run anyway» „e“', false, [['e', 7]], []],
        ['a manual page\'s quotes', '.\\" „x“\n\\(BqПечат\\(lq', true, [['Печат', 2]], []],
        ['a quote left open, and a straight one', '„open\n\nsay "this"', false, [], [3, 1]],
    ];
    for (const [name, text, manual, expected, faultLines] of rows) {
        it(name, () => {
            const { found, faults } = quotes(text, manual);
            assert.deepEqual(found.map((q) => [q.text, q.line]), expected);
            assert.deepEqual(faults.map((fault) => fault.line), faultLines);
        });
    }
});

// ---- The whole checker on repositories of its own ------------------------------------------

const hasGit = spawnSync('git', ['--version']).status === 0;

function repository(files) {
    const root = mkdtempSync(path.join(os.tmpdir(), 'check-docs-'));
    for (const [file, text] of Object.entries(files)) {
        mkdirSync(path.dirname(path.join(root, file)), { recursive: true });
        writeFileSync(path.join(root, file), text);
    }
    const git = (...args) => spawnSync('git', args, { cwd: root, encoding: 'utf8' });
    git('init', '-q');
    git('add', '-A');
    git('-c', 'user.name=t', '-c', 'user.email=t@t', 'commit', '-q', '-m', 'documents');
    return root;
}

// Servers that should fail are given 2 s; one that should answer is given a minute (answering
// takes well under a second, but not on a machine that is busy with other tests).
const answering = ['--server-timeout', '60'];
// Runs the checker without blocking, so that the repositories' cases, most of which wait on
// commands and servers, run side by side.
function check(root, ...args) {
    return new Promise((resolve, reject) => {
        const run = spawn(process.execPath,
            [checker, '--root', root, '--server-timeout', '2', ...args], { timeout: 120000 });
        let output = '';
        run.stdout.on('data', (chunk) => { output += chunk; });
        run.stderr.on('data', (chunk) => { output += chunk; });
        run.on('error', reject);
        run.on('close', (status) => resolve({ status, output }));
    });
}

const fence = (info, ...lines) => `\`\`\`${info}\n${lines.join('\n')}\n\`\`\`\n`;

// A server on a free port that prints its address once it listens.
const nodeServer = `${JSON.stringify(process.execPath)} -e "require('http').createServer(` +
    `(q, r) => r.end('ok')).listen(0, '127.0.0.1', function () { ` +
    `console.log('At http://127.0.0.1:' + this.address().port + '/') })"`;

// The files the program's texts are read from: literals joined and commented, a character
// literal, and CMake's values.
const programSources = {
    'worksheets/include/worksheets/page_words.h': 'auto kPrint = "Пе" /* "x" */ "чат"; // "y"\n',
    'worksheets/src/page_words.cpp': 'std::string v(int n) { return f("Вариант ", n) + \'.\'; }\n',
    'ui/description/src/main_form_design.cpp': '.caption = "Задача",\n',
    'ui/description/src/runtime_error_texts.cpp': 'return "Деление на нула.";\n',
    'CMakeLists.txt': '# it\'s "z"\nset(PROPORCIA_PRODUCT_NAME "Математика - пропорция")\n',
    'cmake/ProporciaPage.cmake': 'set(PROPORCIA_SHEET_NAME "Работен лист")\n',
};

describe('the checker on a repository',
    { skip: !hasGit && 'git is not installed', concurrency: true }, () => {
    const rows = [
        {
            name: 'sound documents pass',
            files: {
                'README.md': '# Top\n[dev](docs/dev.md#the-builds) [me](#top) ' +
                    '[web](https://example.org/missing) ![p](docs/p.png) [dir](docs/)\n',
                'docs/dev.md': '# Dev\n## The builds\n[back](../README.md)\n' +
                    fence('sh check', 'true', 'test "$(echo one \\', '  two)" = "one two"'),
                'docs/p.png': 'png',
            },
            status: 0,
            output: /Commands: 2 run\./,
        },
        {
            name: 'a broken link',
            files: { 'README.md': 'Intro\n\nSee [it](docs/missing.md).\n' },
            status: 1,
            output: /^README\.md:3: broken link: docs\/missing\.md/m,
        },
        {
            name: 'a broken image in a document under docs/',
            files: { 'README.md': '', 'docs/bg/a.md': '# А\n![x](../shot.png)\n' },
            status: 1,
            output: /^docs\/bg\/a\.md:2: broken link: \.\.\/shot\.png \(no file docs\/shot\.png\)/m,
        },
        {
            name: 'a link out of the repository',
            files: { 'README.md': '[up](../elsewhere.md)\n' },
            status: 1,
            output: /README\.md:1: link leaves the repository/,
        },
        {
            name: 'a broken anchor in another document',
            files: { 'README.md': '[t](docs/t.md#quick-run)\n', 'docs/t.md': '# The quick run\n' },
            status: 1,
            output: /^README\.md:1: broken anchor: docs\/t\.md#quick-run/m,
        },
        {
            name: 'a broken anchor in the same document',
            files: { 'README.md': '# Тестове\n\n[т](#тестове) [x](#tests)\n' },
            status: 1,
            output: /^README\.md:3: broken anchor: #tests/m,
        },
        {
            name: 'a failing marked command, with its output',
            files: {
                'README.md': fence('sh check', 'echo before', 'echo "went wrong" >&2; exit 3'),
            },
            status: 1,
            output: /README\.md:3: echo "went wrong" >&2; exit 3: failed \(exit code 3\)[^]*wrong/,
        },
        {
            name: 'a failing command in a pipe',
            files: { 'README.md': fence('sh check', 'false | cat') },
            status: 1,
            output: /README\.md:2: false \| cat: failed/,
        },
        {
            name: 'an unset variable fails',
            files: { 'README.md': fence('sh check', 'echo "$NOT_SET_ANYWHERE_X"') },
            status: 1,
            output: /README\.md:2: .*failed/,
        },
        {
            name: 'a continued line run as one command',
            files: { 'README.md': fence('sh check', 'echo start \\', '  && exit 4') },
            status: 1,
            output: /README\.md:2: echo start \\\n {2}&& exit 4: failed \(exit code 4\)/,
        },
        {
            name: 'a block ending in a continued line',
            files: { 'README.md': fence('sh check', 'true \\') },
            status: 1,
            output: /README\.md:2: the block ends in a continued line/,
        },
        {
            name: 'commands not run with --links-only',
            files: { 'README.md': fence('sh check', 'exit 1') },
            args: ['--links-only'],
            status: 0,
            output: /Links: 0 in 1 documents, 0 broken\./,
        },
        {
            name: 'a command that litters the tree',
            files: {
                'README.md': fence('sh check', 'touch notes.txt',
                    'mkdir -p build-x && touch build-x/f'),
            },
            status: 1,
            output: /README\.md:2: touch notes\.txt: changed files outside build\*\/: notes\.txt/,
            // What goes into a build folder is the build's.
            absent: /README\.md:3: .*changed files/,
        },
        {
            name: 'a command that edits a tracked file',
            files: { 'README.md': fence('sh check', 'echo more >> data.txt'), 'data.txt': 'a\n' },
            status: 1,
            output: /changed files outside build\*\/: data\.txt/,
        },
        {
            name: 'the program\'s texts quoted, and another program\'s',
            files: {
                ...programSources,
                'docs/bg/teachers.md': '„Печат“, „Вариант 7.“, „Математика - пропорция“ и «OK»\n',
            },
            status: 0,
            output: /Quotes of the program: 3 in 1 documents, 0 faults\./,
        },
        {
            name: 'a quote that is no text of the program\'s, or a commented one',
            files: { ...programSources, 'docs/bg/teachers.md': '# Г\n\n„Печатай“ „y“ „z“\n' },
            status: 1,
            output: /^docs\/bg\/teachers\.md:3: „Печатай“ is no text[^]*„y“[^]*„z“[^]*3 faults/m,
        },
        {
            name: 'a server that answers',
            files: { 'README.md': fence('sh check-server', nodeServer) },
            args: answering,
            status: 0,
            output: /ok \(\d+ s\)/,
        },
        {
            name: 'a server that never answers',
            files: { 'README.md': fence('sh check-server', 'echo http://127.0.0.1:9/; sleep 100') },
            status: 1,
            output: /README\.md:2: .*http:\/\/127\.0\.0\.1:9\/ did not answer 200 in 2 s/,
        },
        {
            name: 'a server that prints no address',
            files: { 'README.md': fence('sh check-server', 'sleep 100') },
            status: 1,
            output: /printed no http:\/\/127\.0\.0\.1:PORT\/ address in 2 s/,
        },
        {
            name: 'a server that stops by itself',
            files: { 'README.md': fence('sh check-server', 'echo cannot bind; exit 1') },
            status: 1,
            output: /stopped by itself \(exit code 1\)[^]*cannot bind/,
        },
    ];
    for (const row of rows) {
        it(row.name, async () => {
            const root = repository(row.files);
            try {
                const { status, output } = await check(root, ...(row.args ?? []));
                assert.match(output, row.output);
                if (row.absent) assert.doesNotMatch(output, row.absent);
                assert.equal(status, row.status, output);
            } finally {
                rmSync(root, { recursive: true, force: true });
            }
        });
    }

    // Gone, or dead and not yet reaped by whoever inherited it.
    const running = (pid) => {
        try {
            return !/^\d+ \(.*\) Z/.test(readFileSync(`/proc/${pid}/stat`, 'utf8'));
        } catch {
            return false;
        }
    };

    it('stops everything a server started', { skip: !existsSync('/proc/self/stat') }, async () => {
        // The server starts a helper, as a script's child may, then records both ids.
        const server = 'const { spawn } = require("child_process");\n' +
            'const helper = spawn("sleep", ["100"], { stdio: "ignore" });\n' +
            'require("http").createServer((q, r) => r.end("ok")).listen(0, "127.0.0.1",\n' +
            '    function () {\n' +
            '        require("fs").writeFileSync("build/pids", `${process.pid} ${helper.pid}`);\n' +
            '        console.log(`At http://127.0.0.1:${this.address().port}/`);\n' +
            '    });\n';
        const root = repository({
            'README.md': fence('sh check-server', `${JSON.stringify(process.execPath)} serve.js`),
            'serve.js': server,
        });
        try {
            mkdirSync(path.join(root, 'build'));
            const { status, output } = await check(root, ...answering);
            assert.equal(status, 0, output);
            const pids = readFileSync(path.join(root, 'build/pids'), 'utf8').split(' ');
            for (const pid of pids) assert.equal(running(pid), false, `process ${pid}`);
        } finally {
            rmSync(root, { recursive: true, force: true });
        }
    });

    it('reads only the documents named', async () => {
        const root = repository({ 'README.md': '[x](gone.md)\n', 'docs/ok.md': '# Ok\n' });
        try {
            const { status } = await check(root, '--links-only', path.join(root, 'docs/ok.md'));
            assert.equal(status, 0);
            assert.ok(existsSync(path.join(root, 'README.md')));
        } finally {
            rmSync(root, { recursive: true, force: true });
        }
    });
});
