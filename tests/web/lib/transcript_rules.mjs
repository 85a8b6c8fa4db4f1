// The program's texts and rules, written out here independently of the engine, so the page's
// transcript can be checked byte for byte against them.

export const heading = 'Примерен текст на условие:';

export const introLines = [
  'Задачите, в които са дадени величини, съответстващи пропорционално на други (повече от две) и се търси стойността на една от тях се наричат задачи със сложно тройно правило.',
  'Да се реализира проект, чрез който се илюстрира междупредметна връзка между Математика и Информатика.',
  'Тема на проекта: Математика - пропорция, сложно тройно правило.',
  'Проектът автоматично да генерира условие на нова задача (с различен текст, коефициенти и търсено неизвестно), както и възможност за извеждане на решението й.',
  heading,
  'Ако 30 лодки за 17 часа транспортират 19 кубика пясък, то колко лодки за 68 часа ще транспортират 152 кубика пясък?',
];

export const placeholderNumbers = ['11', '12', '13', '14', '15', '16'];

// Scenario s is element s - 1: its six fragments, blanks included.
export const scenarios = [
  [' крана за ', ' часа преместват ', ' тона товар', ' крана за ', ' часа ще преместят ', ' тона товар.'],
  [' лодки за ', ' часа транспортират ', ' кубика пясък', ' лодки за ', ' часа ще транспортират ', ' кубика пясък.'],
  [' касиерки за ', ' часа обслужват ', ' клиента', ' касиерки за ', ' часа ще обслужат ', ' клиента.'],
  [' миньора за ', ' часа изкопават ', ' кубика руда', ' миньора за ', ' часа ще изкопаят ', ' кубика руда.'],
  [' човека за ', ' часа окосяват пасище от ', ' декара', ' човека за ', ' часа ще окосят пасище от ', ' декара.'],
  [' трактора за ', ' часа изорават нива от ', ' декара', ' трактора за ', ' часа ще изорат нива от ', ' декара.'],
  [' берача за ', ' часа набират ', ' тона ябълки', ' берача за ', ' часа ще наберат ', ' тона ябълки.'],
  [' дървосекача за ', ' часа събират ', ' кубика дървесина', ' дървосекача за ', ' часа ще съберат ', ' кубика дървесина.'],
  [' машини за ', ' часа поливат поле от ', ' декара', ' машини за ', ' часа ще полеят поле от ', ' декара. '],
  [' трьби за ', ' часа пьлнят басейн от ', ' кубика', ' трьби за ', ' часа ще напьлнят басейн от ', ' кубика.'],
  [' тъкачки за ', ' дена изтъкават ', ' килима', ' тъкачки за ', ' дена ще изтъкат ', ' килима.'],
  [' ученика за ', ' часа решават ', ' задачи', ' ученика за ', ' часа ще решат ', ' задачи.'],
  [' ученика за ', ' часа прочитат ', ' книги', ' ученика за ', ' часа ще прочитат ', ' книги.'],
  [' машини за ', ' дена изработват ', ' детайла', ' машини за ', ' дена ще изработят ', ' детайла.'],
  [' кокошки за ', ' дена снасят ', ' яйца', ' кокошки за ', ' дена ще снесат ', ' яйца.'],
  [' лекаря за ', ' часа преглеждат ', ' пациента', ' лекаря за ', ' часа ще прегледат ', ' пациента.'],
];

const letters = ['A', 'B', 'C', 'D', 'E', 'F'];

export function sentence(numbers, unknown, scenario) {
  let text = unknown <= 3 ? 'Ако ' : '';
  for (let i = 1; i <= 6; ++i) {
    if (i === 4) {
      text += unknown <= 3 ? ', то ' : ', ако ';
    }
    text += (i === unknown ? 'X' : numbers[i - 1]) + scenarios[scenario - 1][i - 1];
  }
  return text;
}

// Checks a posed problem: the transcript's lines (without their breaks), the numbers list and
// the marked letter. Returns the problem's unknown (1 to 6) and scenario (1 to 16).
export function checkProblem(lines, numbers, markedLetter) {
  if (lines.length !== 3 || lines[0] !== heading || lines[2] !== 'X = ?') {
    throw new Error(`not a posed problem: ${JSON.stringify(lines)}`);
  }
  const values = numbers.map(Number);
  if (numbers.length !== 6 || numbers.some((n, i) => String(values[i]) !== n)) {
    throw new Error(`not six plain integers: ${JSON.stringify(numbers)}`);
  }
  for (let i = 0; i < 3; ++i) {
    if (values[i] < 3 || values[i] > 19 || ![2, 4, 8, 16].includes(values[i + 3] / values[i])) {
      throw new Error(`numbers outside the draws' ranges: ${numbers}`);
    }
  }
  const unknown = letters.indexOf(markedLetter) + 1;
  if (unknown === 0) {
    throw new Error(`no letter marked: ${markedLetter}`);
  }
  const matching = scenarios
    .map((_, index) => index + 1)
    .filter((s) => sentence(numbers, unknown, s) === lines[1]);
  if (matching.length !== 1) {
    throw new Error(`the sentence fits no scenario with unknown ${markedLetter}: ${lines[1]}`);
  }
  return { unknown, scenario: matching[0] };
}

// The four lines "Сметки" appends for the numbers and the unknown, with the given separator.
export function solutionLines(numbers, unknown, decimalSeparator) {
  const q = [0, ...numbers.map(Number)];
  const known = [1, 2, 3, 4, 5, 6].filter((i) => i !== unknown);
  const valueLine = known.map((i) => `${letters[i - 1]} = ${q[i]}; `).join('');
  const [top, bottom] = {
    1: [[3, 4, 5], [2, 6]],
    2: [[3, 4, 5], [1, 6]],
    3: [[1, 2, 6], [4, 5]],
    4: [[1, 2, 6], [3, 5]],
    5: [[1, 2, 6], [3, 4]],
    6: [[3, 4, 5], [1, 2]],
  }[unknown];
  const product = (positions) => positions.reduce((p, i) => p * q[i], 1);
  const value = product(top) / product(bottom);
  const valueText = String(Number(value.toPrecision(15))).replace('.', decimalSeparator);
  const formula = `(${top.map((i) => q[i]).join(' * ')}) / (${bottom.map((i) => q[i]).join(' * ')})`;
  return [valueLine, '', 'Отговор: ', `X = ${formula} = ${valueText}`];
}

export const notANumberMessage = 'В списъка с числа има запис, който не е число.';

export const runtimeErrorAdvice = 'Написаното дотук е запазено и програмата продължава работа. '
  + 'Натиснете „Задача“ за нова задача.';
