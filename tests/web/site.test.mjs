// SPDX-License-Identifier: MIT
// The browser edition as a user meets it, in headless Chromium: the window
// comes up; files and sequence links open; clicks and a drag paint; Save hands
// over exactly the bytes the desktop program writes; a damaged link changes
// nothing; unsaved work and LED.cfg outlast a reload; a second visit works
// with the network cut.
// Environment: STROBIX_SITE (the site folder), STROBIX_DESKTOP (the desktop
// program, for the links and as the reference reader).
import { describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { cellCentre, controlCentre, desktop, exampleFile, examples, linkOf, openProgram, pause, serve,
         site, siteUnderTest, waitForProgram } from './harness.mjs';

const work = mkdtempSync(join(tmpdir(), 'strobix-web-'));

// A stand-in for the browser's save picker: what the program writes is kept
// in the page, as a file the user chose would receive it.
function saveStandIn() {
    window.strobixSaved = [];
    window.showSaveFilePicker = async (options) => {
        const name = options.suggestedName || 'untitled.dat';
        const chunks = [];
        return {
            name,
            createWritable: async () => ({
                write: async (data) => { chunks.push(new Uint8Array(data)); },
                close: async () => {
                    const bytes = chunks.flatMap((chunk) => Array.from(chunk));
                    window.strobixSaved.push({ name, bytes });
                },
            }),
        };
    };
}

const printed = (file) => execFileSync(desktop, ['--print', file]).toString();

async function save(page) {
    const count = await page.evaluate(() => window.strobixSaved.length);
    const button = await controlCentre(page, 'SaveButton');
    await page.mouse.click(button.x, button.y);
    await page.waitForFunction((count) => window.strobixSaved.length > count, { timeout: 20000 }, count);
    return Buffer.from(await page.evaluate(() => window.strobixSaved.at(-1).bytes));
}

// The browser shows its picker only inside the user's click; a click the
// page takes while still busy is tried once more.
async function openFile(page, file) {
    const button = await controlCentre(page, 'OpenButton');
    for (let attempt = 1; ; ++attempt) {
        try {
            const [chooser] = await Promise.all([page.waitForFileChooser({ timeout: 8000 }),
                                                 page.mouse.click(button.x, button.y)]);
            await chooser.accept([file]);
            break;
        } catch (error) {
            if (attempt === 2)
                throw error;
        }
    }
    await pause(500);
}

// The program's folder as the site's storage (IndexedDB) holds it: a file's
// bytes (query 'get'), or every path (query 'getAllKeys').
const stored = (page, query, path) => page.evaluate((query, path) => new Promise((resolve, reject) => {
    const request = indexedDB.open('/strobix');
    request.onerror = () => reject(request.error);
    request.onsuccess = () => {
        const read = request.result.transaction('FILE_DATA').objectStore('FILE_DATA')[query](path);
        read.onsuccess = () => resolve(query === 'get' ? Array.from(read.result?.contents ?? []) : read.result);
        read.onerror = () => reject(read.error);
    };
}), query, path);

async function followLink(page, fragment) {
    await page.evaluate((fragment) => { window.location.hash = fragment; }, fragment);
    await pause(800);
}

const program = siteUnderTest();

describe('opening and saving', () => {
    for (const name of examples) {
        test(`${name}: opened as a file and as a link, saved as the desktop wrote it`, async () => {
            const file = exampleFile(name);
            const expected = readFileSync(file);
            const { context, page } = await program.open({ stubs: saveStandIn });
            await openFile(page, file);
            assert.deepEqual(await save(page), expected, 'opened as a file');
            await followLink(page, linkOf(file));
            assert.deepEqual(await save(page), expected, 'opened from its link');
            await context.close();
        });
    }
});

test('a click and a drag paint the cells the desktop program then reads', async () => {
    const file = exampleFile(examples[0]);
    const { context, page } = await program.open({ fragment: linkOf(file), stubs: saveStandIn });
    const rows = printed(file).split('\n');
    const cellsOf = (led) => {
        const row = rows.findIndex((line) => line.startsWith(`LED#${led + 1} `));
        return { row, start: rows[row].length - 50 };
    };
    // A drag paints the pressed cell's value over the cells it passes: start
    // on LED#4's last lit cell before a dark run, so that the run turns lit.
    const led4 = cellsOf(3);
    const start = rows[led4.row].slice(led4.start).search(/#\.{4}/);
    assert.ok(start >= 0, 'the example has a lit cell before four dark ones');
    const flips = [[3, start + 1], [3, start + 2], [3, start + 3], [3, start + 4], [0, 47]];
    const from = await cellCentre(page, 3, start);
    const to = await cellCentre(page, 3, start + 4);
    await page.mouse.move(from.x, from.y);
    await page.mouse.down();
    await page.mouse.move(to.x, to.y, { steps: 6 });
    await page.mouse.up();
    const single = await cellCentre(page, 0, 47);
    await page.mouse.click(single.x, single.y);
    const saved = join(work, 'painted.dat');
    writeFileSync(saved, await save(page));
    // The grid the desktop program prints, with exactly those cells turned over.
    for (const [led, event] of flips) {
        const { row, start: first } = cellsOf(led);
        const column = first + event;
        const flipped = rows[row][column] === '#' ? '.' : '#';
        rows[row] = rows[row].slice(0, column) + flipped + rows[row].slice(column + 1);
    }
    assert.equal(printed(saved), rows.join('\n'));
    await context.close();
});

test('a damaged link is refused with a message and changes nothing', async () => {
    const { context, page } = await program.open({ stubs: saveStandIn });
    const untouched = await save(page);
    const link = linkOf(exampleFile(examples[1]));
    const damaged = link.slice(0, -3) + (link.endsWith('A') ? 'B' : 'A') + link.slice(-2);
    const before = await page.screenshot();
    await followLink(page, damaged);
    assert.notDeepEqual(await page.screenshot(), before, 'no message came up');
    await page.keyboard.press('Enter');
    await pause(300);
    assert.deepEqual(await save(page), untouched);
    await context.close();
});

test('unsaved work and LED.cfg outlast a reload', async () => {
    const { context, page } = await program.open({ stubs: saveStandIn });
    const cell = await cellCentre(page, 1, 5);
    await page.mouse.click(cell.x, cell.y);
    const edited = await save(page); // saved and then changed again below
    const other = await cellCentre(page, 2, 9);
    await page.mouse.click(other.x, other.y);
    const unsaved = await (async () => {
        const bytes = await save(page);
        await page.mouse.click(other.x, other.y); // back, unsaved, then forth again
        await page.mouse.click(other.x, other.y);
        return bytes;
    })();
    assert.notDeepEqual(unsaved, edited);
    // The port number goes to LED.cfg.
    const settings = await controlCentre(page, 'Settings_button');
    await page.mouse.click(settings.x, settings.y);
    await pause(500);
    const port = await controlCentre(page, 'CommPortcombo');
    await page.mouse.click(port.x, port.y);
    await pause(300);
    await page.keyboard.press('End');
    await page.keyboard.press('Enter');
    const ok = await controlCentre(page, 'SettingsOKbutton');
    await page.mouse.click(ok.x, ok.y);
    await pause(4500); // the copy of unsaved work is written, and the folder kept
    await page.reload();
    await waitForProgram(page);
    await pause(500);
    await page.keyboard.press('Enter'); // Yes: restore
    await pause(500);
    assert.deepEqual(await save(page), unsaved);
    const config = await stored(page, 'get', '/strobix/LED.cfg');
    assert.equal(Buffer.from(config).toString(), '8\r\n');
    await context.close();
});

test("a second tab keeps nothing, and leaves the first tab's unsaved work alone", async () => {
    const { context, page } = await program.open();
    const cell = await cellCentre(page, 2, 7);
    await page.mouse.click(cell.x, cell.y);
    await pause(4500); // the copy of unsaved work is written, and the folder kept
    const copies = async () => (await stored(page, 'getAllKeys')).filter((name) => name.endsWith('.dat')).sort();
    const kept = await copies();
    assert.equal(kept.length, 1, 'the first tab keeps a copy');
    const said = [];
    const second = await context.newPage();
    second.on('console', (message) => said.push(message.text()));
    await second.goto(program.url);
    await waitForProgram(second);
    await pause(4500); // a keeping tab would have written the folder back by now
    assert.ok(said.some((text) => /asked:.*another tab/.test(text)), `said: ${said.join(' | ')}`);
    assert.deepEqual(await copies(), kept);
    await context.close();
});

test('a second visit works with the network cut', async () => {
    const local = await serve(site);
    const context = await program.browser.createBrowserContext();
    const page = await openProgram(program.browser, local.url, { context });
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null
                                     || document.getElementById('offline').hidden === false,
                               { timeout: 60000 });
    await pause(2000); // the service worker has cached the site
    local.offline();
    await page.reload();
    await waitForProgram(page);
    await context.close();
    await local.close();
});
