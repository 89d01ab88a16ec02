# Writes the question-list page from python3-dbfread, for comparison with
# BM_QuestionListPage:  /usr/bin/python3 list-page-dbfread.py <bank folder> <page>
import os, shutil, sys, tempfile, time
import dbfread

GREY = '<font color="#C0C0C0">'


def page(records, caption):
    out = ['<htm>', '<Title>Otázky k odborné způsobilosti podle §43 zákona 288/1995 Sb.</Title>',
           '<Body>', '<ol>', '<b><font size="6">', '<p align="center">Otázky k testu Odborné způsobilosti:',
           '<font size="4">', '<b><p align="center">Platnost testového souboru:  01.06.2001',
           '<font color="#0000FF"><font size="3">']
    cancelled = ''.join(f"{r['C_OTAZKY']}, " for r in records if not r['PLATNOST'])
    out += [f'<p align="center">(Otázky vyřazené z testu: {cancelled[:-2]})', '<br><br>',
            '</b></font>', '<br><br><br>']
    for r in records:
        grey = not r['PLATNOST']
        right = r['SPRAVNA'] or 0
        out.append('</b><font color="#000000"><font size="4">')
        if grey:
            out.append(GREY)
        out += ['<li><b>', r['OTAZKA'] or '', '</b>', '<ol type=a>']
        for k, field in enumerate(('ODPOVED_A', 'ODPOVED_B', 'ODPOVED_C'), 1):
            if right == k:
                out.append('<b><font color="#FF0000">')
            if grey:
                out.append(GREY)
            out += ['<li>', r[field] or '', '</li>']
            if right == k:
                out.append('</b></font>')
        out += ['</ol>', '<br><br>']
    out += ['<br><br><br>', '<font color="#0000FF"><font size="3">',
            f'<b><p align="center">Kestrin (Program: Brelvik, {caption})', '<br><br>',
            '<font color="#0C0C0C">',
            '<p align="center">Nevýrazné otázky v testu jsou otázky vyřazené. V testu sice jsou, ale jejich '
            'hodnocení je klasifikováno vždy "Zodpovězeno v pořádku" !',
            '</b></font>', '</Body>', '</htm>']
    return ''.join(line + '\r\n' for line in out).encode('cp1250', errors='replace')


folder = tempfile.mkdtemp()
shutil.copy(os.path.join(sys.argv[1], 'central.vqn'), os.path.join(folder, 'q.dbf'))
shutil.copy(os.path.join(sys.argv[1], 'central.vqt'), os.path.join(folder, 'q.dbt'))
start = time.perf_counter()
records = [{k.upper(): v for k, v in r.items()}
           for r in dbfread.DBF(os.path.join(folder, 'q.dbf'), encoding='cp1250')]
with open(sys.argv[2], 'wb') as f:
    f.write(page(records, 'Verze programu: 2002.A'))
print(f'{(time.perf_counter() - start) * 1000:.1f}')
shutil.rmtree(folder)
