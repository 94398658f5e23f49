// SPDX-License-Identifier: MIT
// The download's pace in the browser, as a Web Serial stand-in at the
// browser's boundary sees the writes: the first record after the start
// marker, the smallest and largest gap between records and the total, over
// several downloads, on an idle machine and with both cores kept busy.
// Usage (from tests/web): node ../../bench/web/serial.mjs [site] [downloads]
// Goals: no two records less than 50 ms apart, idle or loaded; the total
// within 1% of 3.30 s on an idle machine.
import { spawn } from 'node:child_process';
import { cpus } from 'node:os';
import { controlCentre, launch, openProgram, pause, serve } from '../../tests/web/harness.mjs';
import { pacingOf, serialStandIn } from '../../tests/web/serial-stand-in.mjs';

const site = process.argv[2] || '../../build/web/site';
const downloads = Number(process.argv[3] || 5);

async function measure(browser, url) {
    const context = await browser.createBrowserContext();
    const page = await openProgram(browser, url, { stubs: serialStandIn,
        stubArgument: { granted: [{ usbVendorId: 0x0403, usbProductId: 0x6001 }] }, context });
    const button = await controlCentre(page, 'DownloadButton');
    await page.mouse.click(button.x, button.y);
    await pause(1500);
    await page.keyboard.press('Enter'); // OK at the power-up prompt
    await page.waitForFunction(() => window.strobixSerialLog.writes.length >= 57, { timeout: 30000 });
    const pacing = pacingOf(await page.evaluate(() => window.strobixSerialLog.writes));
    await context.close();
    return pacing;
}

async function series(label, browser, url) {
    const runs = [];
    for (let run = 0; run < downloads; ++run)
        runs.push(await measure(browser, url));
    const f = (value) => value.toFixed(2);
    for (const [index, pacing] of runs.entries())
        console.log(`${label} ${index + 1}: first record ${f(pacing.firstRecord)} ms, gaps ` +
                    `${f(pacing.minGap)}..${f(pacing.maxGap)} ms, total ${f(pacing.total)} ms`);
    const worstGap = Math.min(...runs.map((pacing) => pacing.minGap));
    const totals = runs.map((pacing) => pacing.total);
    console.log(`${label}: smallest gap ${f(worstGap)} ms (goal >= 50), totals ` +
                `${f(Math.min(...totals))}..${f(Math.max(...totals))} ms (goal 3300..3333 idle)`);
}

const server = await serve(site);
const browser = await launch();
await series('idle', browser, server.url);
const burners = cpus().map(() => spawn(process.execPath, ['-e', 'for (;;) {}']));
try {
    await series('loaded', browser, server.url);
} finally {
    burners.forEach((burner) => burner.kill());
}
await browser.close();
await server.close();
