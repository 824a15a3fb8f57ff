<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ja_JP">
<context>
    <name>BetMessage</name>
    <message>
        <source>レイズ</source>
        <translation>Raise</translation>
    </message>
    <message>
        <source>コール</source>
        <translation>Call</translation>
    </message>
    <message>
        <source>ドロップ</source>
        <translation>Drop</translation>
    </message>
    <message>
        <source>%1 はレイズします</source>
        <translation>%1 raises</translation>
    </message>
    <message>
        <source>%1 はコールします</source>
        <translation>%1 calls</translation>
    </message>
    <message>
        <source>%1 はドロップします</source>
        <translation>%1 drops</translation>
    </message>
</context>
<context>
    <name>HandGuide</name>
    <message>
        <source>同じ役どうしは、カードに関係なく必ず引き分けです。</source>
        <translation>Two hands of this category always tie, whatever the cards.</translation>
    </message>
    <message>
        <source>5枚の数の合計が大きい方が勝ち (A は 14)。合計が同じなら引き分けです。</source>
        <translation>The higher total of the five cards wins (A counts 14). Equal totals tie.</translation>
    </message>
    <message>
        <source>そろった数が大きい方が勝ち (A が最強)。同じなら残りのカードに関係なく引き分けです。</source>
        <translation>The higher matched rank wins (A is highest). Equal ranks tie, whatever the other cards.</translation>
    </message>
    <message>
        <source>そろった2組の数の合計が大きい方が勝ち (A は 14)。同じなら引き分けです。</source>
        <translation>The higher total of the two matched ranks wins (A counts 14). Equal totals tie.</translation>
    </message>
</context>
<context>
    <name>Hivekit</name>
    <message>
        <source>制限</source>
        <translation>Limit</translation>
    </message>
    <message>
        <source>このDLLは
2KB以上のテキストデータを読み込めない仕様になっています。
読み込もうとしているデータ量は %1 バイトです。</source>
        <translation>This library
cannot read text data of 2 KB or more.
The data being read is %1 bytes.</translation>
    </message>
    <message>
        <source>設定ファイルが壊れているため読み込めません。
%1
保存されていた値の代わりに既定の値を使います。
壊れたファイルは次に保存するときに別の名前で残し、新しい設定ファイルを作ります。</source>
        <translation>The settings file is damaged and cannot be read.
%1
The default values are used instead of the saved ones.
The next save keeps the damaged file under another name and starts a new settings file.</translation>
    </message>
    <message>
        <source>設定ファイルが壊れていたため読み込めませんでした。
%1
は
%2
として残し、新しい設定ファイルを作りました。</source>
        <translation>The settings file was damaged and could not be read.
%1
has been kept as
%2
and a new settings file has been started.</translation>
    </message>
</context>
<context>
    <name>HowToPlay</name>
    <message>
        <source>と</source>
        <translation> and </translation>
    </message>
    <message>
        <source>ゲームの流れ</source>
        <translation>How a game goes</translation>
    </message>
    <message>
        <source>「カードを配る」(F2) で %1 人に %2 枚ずつ配られます。取り替えたいカードをクリックして選び (0 枚から %2 枚まで)、「交換」を押します。コンピュータも交換したあと、賭けが1回だけ行われ、最後に手札を見せ合って、いちばん強い役の人が勝ちます。</source>
        <translation>“Deal Cards” (F2) gives each of the %1 players %2 cards. Click the cards you want to replace (0 to %2 cards) and press “Exchange”. After the computers have exchanged too, there is one round of betting; then everyone shows their hand, and the strongest hand wins.</translation>
    </message>
    <message>
        <source>参加料</source>
        <translation>Ante</translation>
    </message>
    <message>
        <source>交換が終わると全員が %1 $ を賭けます。ドロップしてもこの分は戻りません (引き分けのときは戻ります)。</source>
        <translation>When the exchanges are over, everyone bets %1 $. Dropping does not give it back (a draw does).</translation>
    </message>
    <message>
        <source>賭け</source>
        <translation>Betting</translation>
    </message>
    <message>
        <source>最初のゲームは%4から、そのあとは前のゲームの勝者から (引き分けのあとは%5から) 順に行動します。&lt;b&gt;コール&lt;/b&gt;は、それまでの最高額に賭け金をそろえます。&lt;b&gt;レイズ&lt;/b&gt;は押すたびに賭け金が %1 $ 上がり、「決定」で確定します。&lt;b&gt;取り消し&lt;/b&gt;はレイズをやめて、コールの額に戻します。賭け金の上限は %2 $ です。誰かがレイズすると、ほかの全員がもう一度行動します。レイズのあと全員が行動し終えると賭けは終わります。レイズが続いても、およそ %3 手番で打ち切られます。</source>
        <translation>The first game opens with %4, every later one with the winner of the last game (after a draw, with %5); the others follow in turn. &lt;b&gt;Call&lt;/b&gt; matches the highest bet so far. Each press of &lt;b&gt;Raise&lt;/b&gt; adds %1 $ to your bet, and “Confirm” settles it. &lt;b&gt;Cancel&lt;/b&gt; takes the raise back to the call. No bet can go above %2 $. When someone raises, everyone else acts again; betting ends once everyone has acted after the last raise. However long the raising goes on, betting stops after about %3 turns.</translation>
    </message>
    <message>
        <source>ドロップ</source>
        <translation>Drop</translation>
    </message>
    <message>
        <source>&lt;b&gt;ドロップ&lt;/b&gt;は勝負を降りることです。それまでに賭けた分は失います (引き分けのときは戻ります)。あなたがドロップできる回数には限りがあり、最初は %1 回、ゲームに勝つたびに %2 回増えます。</source>
        <translation>To &lt;b&gt;drop&lt;/b&gt; is to give up the hand; what you have bet so far is lost (a draw gives it back). You can drop only so many times: %1 at first, and %2 more each time you win a game.</translation>
    </message>
    <message>
        <source>精算</source>
        <translation>Settling up</translation>
    </message>
    <message>
        <source>全員が自分の賭け金を払い、勝った人が全員分を受け取ります。いちばん強い役が同じ強さで並んだときは引き分けで、ドロップした人の分も含めて賭け金はすべて戻ります。</source>
        <translation>Everyone pays their bet, and the winner takes all of it. When the strongest hands are equally strong, the game is a draw and every bet is returned, those of the players who dropped included.</translation>
    </message>
    <message>
        <source>所持金と対戦の終わり</source>
        <translation>Money and the end of a match</translation>
    </message>
    <message>
        <source>所持金は次のゲームに持ち越され、終了時に保存できます。新しい対戦では、あなたが %1 $、コンピュータが %2 $ から始めます。あなたの所持金がマイナスになるとゲームオーバー、コンピュータ全員の所持金がマイナスになるとあなたの勝利です。どちらのあとも所持金を初期化して、新しい対戦が始まります。</source>
        <translation>Money carries over to the next game and can be saved when you quit. A new match starts you with %1 $ and each computer with %2 $. If your money goes below zero, it is game over; if every computer&apos;s money goes below zero, you win the match. Either way the money is then reset for a new match.</translation>
    </message>
    <message>
        <source>コンピュータの性格</source>
        <translation>The computers&apos; temperaments</translation>
    </message>
    <message>
        <source>設定 (F3) で選べます。%1 から %2 に向かって強気になります。%3より弱い手のレイズは 1 回に、%1 で %4〜%5 $、%2 で %6〜%7 $ です。%3以上の手か、%8以下の手でブラフをしているときは、1 回に %9〜%10 $ と大きくレイズします。%11は、弱い手で強気に賭けるブラフをよくします。誰がブラフだったかは、ゲームのあと対戦記録 (F5) で確かめられます。</source>
        <translation>Chosen in Options (F3). From %1 to %2 they grow bolder. Below %3, one raise adds %4 to %5 $ for %1 and %6 to %7 $ for %2. With %3 or better, or when bluffing on %8 or less, they raise by %9 to %10 $ at once. %11 often bluff, betting boldly on a weak hand. Who was bluffing can be seen in the Game Record (F5) after the game.</translation>
    </message>
    <message>
        <source>あなた</source>
        <translation>you</translation>
    </message>
    <message>
        <source>左の席</source>
        <translation>the seat on the left</translation>
    </message>
    <message>
        <source>向かいの席</source>
        <translation>the seat opposite</translation>
    </message>
    <message>
        <source>右の席</source>
        <translation>the seat on the right</translation>
    </message>
</context>
<context>
    <name>PartName</name>
    <message>
        <source>手役なし</source>
        <translation>No Pair</translation>
    </message>
    <message>
        <source>ワンペア</source>
        <translation>One Pair</translation>
    </message>
    <message>
        <source>ツーペア</source>
        <translation>Two Pair</translation>
    </message>
    <message>
        <source>スリーカード</source>
        <translation>Three of a Kind</translation>
    </message>
    <message>
        <source>ストレート</source>
        <translation>Straight</translation>
    </message>
    <message>
        <source>ロイヤルストレート</source>
        <translation>Royal Straight</translation>
    </message>
    <message>
        <source>フラッシュ</source>
        <translation>Flush</translation>
    </message>
    <message>
        <source>フルハウス</source>
        <translation>Full House</translation>
    </message>
    <message>
        <source>フォーカード</source>
        <translation>Four of a Kind</translation>
    </message>
    <message>
        <source>ストレートフラッシュ</source>
        <translation>Straight Flush</translation>
    </message>
    <message>
        <source>ロイヤルフラッシュ</source>
        <translation>Royal Flush</translation>
    </message>
</context>
<context>
    <name>RecordText</name>
    <message>
        <source>なし</source>
        <translation>nothing</translation>
    </message>
    <message>
        <source>あなたの交換 : %1 を残して勝つ確率 %2 %。一番よい残し方 (%3) は %4 %、差は %5 ポイントです。</source>
        <translation>Your exchange: kept %1, chance to win %2 %. The best keep (%3) had %4 %, %5 points more.</translation>
    </message>
    <message>
        <source>ドロップ</source>
        <translation>Dropped</translation>
    </message>
    <message>
        <source>&lt;tr&gt;&lt;th align=left&gt;名前&lt;/th&gt;&lt;th align=left&gt;配られた手札&lt;/th&gt;&lt;th&gt;交換&lt;/th&gt;&lt;th align=left&gt;交換後&lt;/th&gt;&lt;th align=left&gt;役&lt;/th&gt;&lt;th&gt;賭け金&lt;/th&gt;&lt;th&gt;増減&lt;/th&gt;&lt;/tr&gt;</source>
        <translation>&lt;tr&gt;&lt;th align=left&gt;Name&lt;/th&gt;&lt;th align=left&gt;Dealt&lt;/th&gt;&lt;th&gt;Exchanged&lt;/th&gt;&lt;th align=left&gt;After&lt;/th&gt;&lt;th align=left&gt;Hand&lt;/th&gt;&lt;th&gt;Bet&lt;/th&gt;&lt;th&gt;Change&lt;/th&gt;&lt;/tr&gt;</translation>
    </message>
    <message>
        <source>(伏せてあります)</source>
        <translation>(face down)</translation>
    </message>
    <message>
        <source>&lt;tr&gt;&lt;td&gt;%1&lt;/td&gt;&lt;td&gt;%2&lt;/td&gt;&lt;td align=center&gt;%3 枚&lt;/td&gt;&lt;td&gt;%4&lt;/td&gt;</source>
        <translation>&lt;tr&gt;&lt;td&gt;%1&lt;/td&gt;&lt;td&gt;%2&lt;/td&gt;&lt;td align=center&gt;%3&lt;/td&gt;&lt;td&gt;%4&lt;/td&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;賭けはまだありません。&lt;/p&gt;</source>
        <translation>&lt;p&gt;No bets yet.&lt;/p&gt;</translation>
    </message>
    <message>
        <source> &lt;b&gt;[ブラフ中]&lt;/b&gt;</source>
        <translation> &lt;b&gt;[bluffing]&lt;/b&gt;</translation>
    </message>
    <message>
        <source>%1 (%2 $ に)</source>
        <translation>%1 (to %2 $)</translation>
    </message>
    <message>
        <source>%1 (%2 $ を失う)</source>
        <translation>%1 (loses %2 $)</translation>
    </message>
    <message>
        <source>成功、勝ちました</source>
        <translation>it worked, won</translation>
    </message>
    <message>
        <source>引き分け</source>
        <translation>draw</translation>
    </message>
    <message>
        <source>失敗</source>
        <translation>failed</translation>
    </message>
    <message>
        <source>ブラフをしたコンピュータはいませんでした。</source>
        <translation>No computer bluffed.</translation>
    </message>
    <message>
        <source>ブラフ : %1</source>
        <translation>Bluffs: %1</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>&lt;h3&gt;第 %1 ゲーム (%2)%3&lt;/h3&gt;</source>
        <translation>&lt;h3&gt;Game %1 (%2)%3&lt;/h3&gt;</translation>
    </message>
    <message>
        <source> ― 進行中</source>
        <translation> ― in progress</translation>
    </message>
    <message>
        <source>引き分けです。</source>
        <translation>A draw.</translation>
    </message>
    <message>
        <source>%1 の勝ちです。</source>
        <translation>%1 wins.</translation>
    </message>
    <message>
        <source>%1 (%2 $ は引き分けで戻る)</source>
        <translation>%1 (%2 $, returned by the draw)</translation>
    </message>
    <message>
        <source>あなたのベット : %1 %2、一番よいのは%3 %4、差 %5 $</source>
        <translation>Your bet: %1 %2; the best was %3 %4, %5 $ better</translation>
    </message>
</context>
<context>
    <name>Round</name>
    <message>
        <source>ゲームスタート！</source>
        <translation>Game start!</translation>
    </message>
    <message>
        <source>カード配布中</source>
        <translation>Dealing the cards</translation>
    </message>
    <message>
        <source>取り替えるカードを選んでください</source>
        <translation>Choose the cards to exchange</translation>
    </message>
    <message>
        <source>コンピュータが交換中です</source>
        <translation>The computers are exchanging</translation>
    </message>
    <message>
        <source>勝負します</source>
        <translation>Showdown</translation>
    </message>
    <message>
        <source>ゲームを続ける場合は F2 を押してください</source>
        <translation>Press F2 to play another game</translation>
    </message>
    <message>
        <source>あなたの所持金がマイナスになりました。<byte value="xd"/>
ゲームオーバーです。続けますか？</source>
        <translation>Your money has gone below zero.<byte value="xd"/>
Game over. Play again?</translation>
    </message>
    <message>
        <source>ゲームオーバー</source>
        <translation>Game Over</translation>
    </message>
    <message>
        <source>コンピュータプレイヤー全員の所持金がマイナスになりました。<byte value="xd"/>
あなたの勝利です。</source>
        <translation>Every computer player&apos;s money has gone below zero.<byte value="xd"/>
You win!</translation>
    </message>
    <message>
        <source>勝利</source>
        <translation>Victory</translation>
    </message>
    <message>
        <source>初期化します。<byte value="xd"/>
OK を押してください。</source>
        <translation>The money will be reset.<byte value="xd"/>
Please press OK.</translation>
    </message>
    <message>
        <source>ドロップ不可能</source>
        <translation>No &amp;Drops Left</translation>
    </message>
    <message>
        <source>ドロップ(あと %1回)</source>
        <translation>&amp;Drop (%1 left)</translation>
    </message>
    <message>
        <source>%1 はドロップしています</source>
        <translation>%1 has dropped</translation>
    </message>
    <message>
        <source>コール、レイズ、ドロップのどれかをしてください</source>
        <translation>Call, raise or drop</translation>
    </message>
    <message>
        <source>取り消し</source>
        <translation>Ca&amp;ncel</translation>
    </message>
    <message>
        <source>コール</source>
        <translation>&amp;Call</translation>
    </message>
    <message>
        <source>決定</source>
        <translation>&amp;Confirm</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>交換のヒント</source>
        <translation>exchange coach</translation>
    </message>
    <message>
        <source>プレイヤー %1</source>
        <translation>Player %1</translation>
    </message>
    <message>
        <source>名前</source>
        <translation>names</translation>
    </message>
    <message>
        <source>思考タイプ</source>
        <translation>temperaments</translation>
    </message>
    <message>
        <source>所持金</source>
        <translation>money</translation>
    </message>
    <message>
        <source>データ保存の設定</source>
        <translation>saving choice</translation>
    </message>
    <message>
        <source>カードの模様</source>
        <translation>card back</translation>
    </message>
    <message>
        <source>ドロップ可能回数</source>
        <translation>drops left</translation>
    </message>
    <message>
        <source>所持金の確認ウィンドウ</source>
        <translation>money window</translation>
    </message>
    <message>
        <source>ゲームの速さ</source>
        <translation>game speed</translation>
    </message>
    <message>
        <source>表示の大きさ</source>
        <translation>table size</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>ディスクに空きがありません</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>設定のフォルダーかファイルへのアクセスが許可されていません</source>
        <translation>the settings folder or file may not be accessed</translation>
    </message>
    <message>
        <source>ほかのプログラムが設定ファイルを使っています</source>
        <translation>another program is using the settings file</translation>
    </message>
    <message>
        <source>ディスクに空きを作ってから</source>
        <translation>Free some space on the disk, then</translation>
    </message>
    <message>
        <source>フォルダーとファイルを書き込めるようにしてから</source>
        <translation>Make the folder and the file writable, then</translation>
    </message>
    <message>
        <source>しばらく待ってから</source>
        <translation>Wait a moment, then</translation>
    </message>
    <message>
        <source>原因を取り除いてから</source>
        <translation>Remove the cause, then</translation>
    </message>
    <message>
        <source>設定を保存できませんでした（%1）。
保存できなかったもの : %2
保存先 : %3
%4「再試行」を押すと、もう一度保存します。「キャンセル」でゲームに戻ります。「変更を破棄」で保存せずに終了すると、次に起動したときは前に保存された内容か最初の値で始まります。</source>
        <translation>The settings could not be saved: %1.
Not saved: %2
Saved in: %3
%4 press “Retry” to save again. “Cancel” goes back to the game. “Discard” closes without saving: next time the game starts with what was saved before, or with the first values.</translation>
    </message>
    <message>
        <source>設定を読み込めませんでした（%1）。
%2
読み込めなかった設定は最初の値で始めます。</source>
        <translation>The settings could not be read: %1.
%2
What could not be read starts at its first values.</translation>
    </message>
    <message>
        <source>効果音</source>
        <translation>sound effects</translation>
    </message>
    <message>
        <source>効果音の音量</source>
        <translation>the sound volume</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>効果音を鳴らせません (サウンドサーバーか出力装置がありません)。音なしで続けます。</source>
        <translation>Cannot play sound effects (no sound server or output device). The game goes on without sound.</translation>
    </message>
</context>
<context>
    <name>TableDescription</name>
    <message>
        <source>スペード</source>
        <translation>Spades</translation>
    </message>
    <message>
        <source>ハート</source>
        <translation>Hearts</translation>
    </message>
    <message>
        <source>ダイヤ</source>
        <translation>Diamonds</translation>
    </message>
    <message>
        <source>クラブ</source>
        <translation>Clubs</translation>
    </message>
    <message>
        <source>A</source>
        <comment>card rank: ace</comment>
        <translation>Ace</translation>
    </message>
    <message>
        <source>J</source>
        <comment>card rank: jack</comment>
        <translation>Jack</translation>
    </message>
    <message>
        <source>Q</source>
        <comment>card rank: queen</comment>
        <translation>Queen</translation>
    </message>
    <message>
        <source>K</source>
        <comment>card rank: king</comment>
        <translation>King</translation>
    </message>
    <message>
        <source>%1の手札: %2</source>
        <comment>seat name, cards</comment>
        <translation>%1&apos;s cards: %2</translation>
    </message>
    <message>
        <source>%1: ドロップ、賭け金 %2 ドル、所持金 %3 ドル</source>
        <comment>name, bet, money</comment>
        <translation>%1: dropped, bet %2 dollars, money %3 dollars</translation>
    </message>
    <message>
        <source>%1: 賭け金 %2 ドル、所持金 %3 ドル</source>
        <comment>name, bet, money</comment>
        <translation>%1: bet %2 dollars, money %3 dollars</translation>
    </message>
    <message>
        <source>引き分け</source>
        <translation>Draw</translation>
    </message>
    <message>
        <source>勝者: %1</source>
        <translation>Winner: %1</translation>
    </message>
    <message>
        <source>空き</source>
        <comment>a place on the table without a card</comment>
        <translation>empty</translation>
    </message>
    <message>
        <source>%1の%2</source>
        <comment>suit, rank</comment>
        <translation>%2 of %1</translation>
    </message>
    <message>
        <source>%1（交換）</source>
        <comment>a card marked for exchange</comment>
        <translation>%1 (to exchange)</translation>
    </message>
    <message>
        <source>、</source>
        <comment>between the cards of a list</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>タイトル画面: 上下の矢印キーで「最初から」か「続きから」を選び、Enter キーで決定します</source>
        <translation>Title screen: choose New Game or Continue with the Up and Down arrow keys, then press Enter</translation>
    </message>
    <message>
        <source>メッセージ: %1</source>
        <translation>Message: %1</translation>
    </message>
</context>
<context>
    <name>kestrins::BetCoachView</name>
    <message>
        <source>賭け方ごとの見込み</source>
        <translation>Expected result of each bet</translation>
    </message>
    <message>
        <source>賭け方</source>
        <translation>Bet</translation>
    </message>
    <message>
        <source>増減の見込み</source>
        <translation>Expected change</translation>
    </message>
    <message>
        <source>勝つ確率</source>
        <translation>Chance to win</translation>
    </message>
    <message>
        <source>この後のあなたの番は、いつもコールするものとして計算しています。増減は、このゲームの精算で所持金がどれだけ変わるかの見込みです (勝って増えるドロップの回数は数えません)。± はその誤差です。</source>
        <translation>Your later turns in this game are counted as calls. The change is what your money is expected to gain or lose when this game is settled (the drops a win brings are not counted). ± is its error.</translation>
    </message>
    <message>
        <source>あなたの手 : %1</source>
        <translation>Your hand: %1</translation>
    </message>
    <message>
        <source>レイズ (%1〜%2 $ に)</source>
        <translation>Raise (to %1–%2 $)</translation>
    </message>
    <message>
        <source>コールは %1 $、このターンの前のあなたの賭け金は %2 $ です。</source>
        <translation>A call is %1 $; your bet before this turn was %2 $.</translation>
    </message>
    <message>
        <source>計算中…</source>
        <translation>computing…</translation>
    </message>
    <message>
        <source>これまでの賭けに合うコンピュータの手が見つからず、計算できませんでした。</source>
        <translation>No computer hands that fit the bets so far were found; nothing could be worked out.</translation>
    </message>
    <message>
        <source>★ </source>
        <translation>★ </translation>
    </message>
    <message>
        <source>%1 : %2、勝つ確率 %3</source>
        <translation>%1: %2, chance to win %3</translation>
    </message>
    <message>
        <source>今押してある分 : %1 : %2、勝つ確率 %3</source>
        <translation>As pressed now: %1: %2, chance to win %3</translation>
    </message>
    <message>
        <source>一番よいのは %1 (%2) です。</source>
        <translation>The best is %1 (%2).</translation>
    </message>
    <message>
        <source>計算済み (%1 通りの手で)</source>
        <translation>Done (over %1 hands)</translation>
    </message>
    <message>
        <source>計算中… (%1 通りの手で)</source>
        <translation>computing… (over %1 hands)</translation>
    </message>
</context>
<context>
    <name>kestrins::FrmCoach</name>
    <message>
        <source>交換のヒント</source>
        <translation>Exchange Coach</translation>
    </message>
    <message>
        <source>残し方ごとの確率</source>
        <translation>Chances for each keep</translation>
    </message>
    <message>
        <source>選んだカード</source>
        <translation>Marked now</translation>
    </message>
    <message>
        <source>%1 位</source>
        <translation>Rank %1</translation>
    </message>
    <message>
        <source>残すカード</source>
        <translation>Cards kept</translation>
    </message>
    <message>
        <source>勝つ確率</source>
        <translation>Chance to win</translation>
    </message>
    <message>
        <source>引き分け</source>
        <translation>Draw</translation>
    </message>
    <message>
        <source>ドロップと賭けは考えていません。全員が最後まで勝負するものとして数えています。</source>
        <translation>Drops and bets are not modelled: everyone is counted as staying to the showdown.</translation>
    </message>
    <message>
        <source>なし (5 枚交換)</source>
        <translation>none (draw five)</translation>
    </message>
    <message>
        <source>今の役 : %1</source>
        <translation>You have: %1</translation>
    </message>
    <message>
        <source>計算中…</source>
        <translation>computing…</translation>
    </message>
    <message>
        <source>選んだ残し方は 32 通り中 %1 位です。</source>
        <translation>Your keep ranks %1 of 32.</translation>
    </message>
    <message>
        <source>勝つ確率を計算中…</source>
        <translation>Computing the chances to win…</translation>
    </message>
    <message>
        <source>賭けのヒント</source>
        <translation>Bet coach</translation>
    </message>
</context>
<context>
    <name>kestrins::FrmHandList</name>
    <message>
        <source>役の一覧</source>
        <translation>Hand Rankings</translation>
    </message>
    <message>
        <source>遊び方</source>
        <translation>How to Play</translation>
    </message>
    <message>
        <source>上ほど強い役です。役が同じときの勝ち負けは右の説明のとおりです。</source>
        <translation>Higher rows beat lower ones. Between hands of the same kind, the rule on the right decides.</translation>
    </message>
</context>
<context>
    <name>kestrins::FrmMain</name>
    <message>
        <source>交換のヒント(&amp;A)</source>
        <translation>Exchange &amp;Coach</translation>
    </message>
    <message>
        <source>交換のヒントへ移る(&amp;A)</source>
        <translation>&amp;Go to the Exchange Coach</translation>
    </message>
    <message>
        <source>ケストリン</source>
        <translation>Kestrin</translation>
    </message>
    <message>
        <source>ゲーム(&amp;G)</source>
        <translation>&amp;Game</translation>
    </message>
    <message>
        <source>カードを配る(&amp;S)</source>
        <translation>&amp;Deal Cards</translation>
    </message>
    <message>
        <source>タイトルに戻る(&amp;T)</source>
        <translation>Back to &amp;Title</translation>
    </message>
    <message>
        <source>設定(&amp;P)</source>
        <translation>&amp;Options...</translation>
    </message>
    <message>
        <source>所持金の確認(&amp;R)</source>
        <translation>&amp;Money</translation>
    </message>
    <message>
        <source>ゲームの速さ(&amp;D)</source>
        <translation>Game &amp;Speed</translation>
    </message>
    <message>
        <source>ふつう(&amp;N)</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>速い(&amp;F)</source>
        <translation>&amp;Fast</translation>
    </message>
    <message>
        <source>とても速い(&amp;T)</source>
        <translation>&amp;Very Fast</translation>
    </message>
    <message>
        <source>対戦記録(&amp;H)</source>
        <translation>Game &amp;Record</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>バージョン情報(&amp;V)</source>
        <translation>&amp;About Kestrin</translation>
    </message>
    <message>
        <source>役の一覧(&amp;L)</source>
        <translation>Hand &amp;Rankings</translation>
    </message>
    <message>
        <source>キー操作(&amp;K)</source>
        <translation>&amp;Keys</translation>
    </message>
    <message>
        <source>交換(&amp;E)</source>
        <translation>&amp;Exchange</translation>
    </message>
    <message>
        <source>%1 枚目のカードの選択・解除(&amp;%1)</source>
        <translation>Select or Clear Card &amp;%1</translation>
    </message>
    <message>
        <source>レイズの取り消し(&amp;U)</source>
        <translation>Ca&amp;ncel the Raise</translation>
    </message>
    <message>
        <source>表示(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>拡大(&amp;I)</source>
        <translation>Zoom &amp;In</translation>
    </message>
    <message>
        <source>縮小(&amp;O)</source>
        <translation>Zoom &amp;Out</translation>
    </message>
    <message>
        <source>交換</source>
        <translation>&amp;Exchange</translation>
    </message>
    <message>
        <source>コール</source>
        <translation>&amp;Call</translation>
    </message>
    <message>
        <source>レイズ</source>
        <translation>&amp;Raise</translation>
    </message>
    <message>
        <source>取り消し</source>
        <translation>Ca&amp;ncel</translation>
    </message>
    <message>
        <source>F2 を押してください。</source>
        <translation>Press F2.</translation>
    </message>
    <message>
        <source>現在の所持金を保存しますか？</source>
        <translation>Save your current money?</translation>
    </message>
    <message>
        <source>確認</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>100 %(&amp;1)</source>
        <translation>&amp;100 %</translation>
    </message>
    <message>
        <source>150 %(&amp;5)</source>
        <translation>1&amp;50 %</translation>
    </message>
    <message>
        <source>200 %(&amp;2)</source>
        <translation>&amp;200 %</translation>
    </message>
    <message>
        <source>テーブル</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>メッセージ欄</source>
        <translation>Message line</translation>
    </message>
    <message>
        <source>賭け</source>
        <translation>Betting</translation>
    </message>
    <message>
        <source>ゲームオーバーです。続けるには「ゲーム」の「タイトルに戻る」を選んでください</source>
        <translation>Game over. To play on, choose Back to Title in the Game menu</translation>
    </message>
    <message>
        <source>この大きさのテーブルは画面に収まりません。</source>
        <translation>A table this large does not fit on the screen.</translation>
    </message>
</context>
<context>
    <name>kestrins::FrmOption</name>
    <message>
        <source>設定</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>名前を入力してください。</source>
        <translation>Please enter a name.</translation>
    </message>
    <message>
        <source>名前が長すぎます。もっと短い名前にしてください。</source>
        <translation>This name is too long. Please choose a shorter one.</translation>
    </message>
    <message>
        <source>キャンセル(&amp;C)</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>プレーヤーの名前</source>
        <translation>Player Names</translation>
    </message>
    <message>
        <source>自分&#x3000;: </source>
        <translation>You : </translation>
    </message>
    <message>
        <source>左側の人 : </source>
        <translation>Left : </translation>
    </message>
    <message>
        <source>向かい側の人 : </source>
        <translation>Across : </translation>
    </message>
    <message>
        <source>右側の人 : </source>
        <translation>Right : </translation>
    </message>
    <message>
        <source>コンピュータの思考タイプ</source>
        <translation>Temperament</translation>
    </message>
    <message>
        <source>システム</source>
        <translation>System</translation>
    </message>
    <message>
        <source>データ保存の設定 : </source>
        <translation>Saving : </translation>
    </message>
    <message>
        <source>カードの模様 : </source>
        <translation>Card back : </translation>
    </message>
    <message>
        <source>模様のプレビュー : </source>
        <translation>Preview : </translation>
    </message>
    <message>
        <source>終了時に確認</source>
        <translation>Ask at exit</translation>
    </message>
    <message>
        <source>常に保存する</source>
        <translation>Always save</translation>
    </message>
    <message>
        <source>一切保存しない</source>
        <translation>Never save</translation>
    </message>
    <message>
        <source>慎重</source>
        <translation>Cautious</translation>
    </message>
    <message>
        <source>普通</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>大胆</source>
        <translation>Bold</translation>
    </message>
    <message>
        <source>無謀</source>
        <translation>Reckless</translation>
    </message>
    <message>
        <source>OK(&amp;O)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>左側の人の思考タイプ</source>
        <translation>Temperament of the player on the left</translation>
    </message>
    <message>
        <source>向かい側の人の思考タイプ</source>
        <translation>Temperament of the player opposite</translation>
    </message>
    <message>
        <source>右側の人の思考タイプ</source>
        <translation>Temperament of the player on the right</translation>
    </message>
    <message>
        <source>カードの模様を選ぶ</source>
        <translation>Choose the card back</translation>
    </message>
</context>
<context>
    <name>kestrins::FrmParts</name>
    <message>
        <source>ドロップ</source>
        <translation>Dropped</translation>
    </message>
    <message>
        <source>戦績 : 引き分けです</source>
        <translation>Result: a draw</translation>
    </message>
    <message>
        <source>戦績 : %1 の勝利です</source>
        <translation>Result: %1 wins</translation>
    </message>
    <message>
        <source>ドロップ可能回数が2回増えました。</source>
        <translation>Your drops have gone up by 2.</translation>
    </message>
    <message>
        <source>情報</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>勝者の印</source>
        <translation>Winner marker</translation>
    </message>
</context>
<context>
    <name>kestrins::FrmRecord</name>
    <message>
        <source>交換の正確さ</source>
        <translation>Exchange accuracy</translation>
    </message>
    <message>
        <source>最近 %1 ゲームで、一番よい残し方か 1 ポイント以内の残し方を選んだ割合</source>
        <translation>Share of the last %1 games in which you chose the best keep or one within 1 point of it</translation>
    </message>
    <message>
        <source>対戦記録</source>
        <translation>Game Record</translation>
    </message>
    <message>
        <source>今回の対戦</source>
        <translation>This Session</translation>
    </message>
    <message>
        <source>名前</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>ゲーム数</source>
        <translation>Games</translation>
    </message>
    <message>
        <source>勝ち</source>
        <translation>Wins</translation>
    </message>
    <message>
        <source>ドロップ</source>
        <translation>Drops</translation>
    </message>
    <message>
        <source>レイズ</source>
        <translation>Raises</translation>
    </message>
    <message>
        <source>ブラフ率</source>
        <translation>Bluff rate</translation>
    </message>
    <message>
        <source>ブラフ成功率</source>
        <translation>Bluff success</translation>
    </message>
    <message>
        <source>平均の賭け金</source>
        <translation>Average bet</translation>
    </message>
    <message>
        <source>最近 %1 ゲームの所持金</source>
        <translation>Money over the last %1 games</translation>
    </message>
    <message>
        <source>CSV に書き出す(&amp;E)...</source>
        <translation>&amp;Export CSV...</translation>
    </message>
    <message>
        <source>相手の記録</source>
        <translation>Opponents</translation>
    </message>
    <message>
        <source> (あなた)</source>
        <translation> (you)</translation>
    </message>
    <message>
        <source>CSV ファイルに書き出せませんでした。
%1</source>
        <translation>The CSV file could not be written.
%1</translation>
    </message>
    <message>
        <source>CSV に書き出す</source>
        <translation>Export CSV</translation>
    </message>
    <message>
        <source>CSV ファイル (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>&lt;p&gt;まだゲームをしていません。&lt;/p&gt;</source>
        <translation>&lt;p&gt;No games played yet.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>所持金のグラフ</source>
        <translation>Money chart</translation>
    </message>
    <message>
        <source>CSV ファイルに書き出しました。
賭け : %1
ゲームと手札 : %2</source>
        <translation>Written as CSV.
Bets: %1
Games and hands: %2</translation>
    </message>
    <message>
        <source>コンピュータ全員の所持金がマイナスになった対戦が勝ち、あなたの所持金がマイナスになった対戦が負けです。記録に残る最近 %1 ゲームから数えます。</source>
        <translation>A match is won when every computer&apos;s money goes below zero, and lost when yours does. Counted over the last %1 games the record keeps.</translation>
    </message>
    <message>
        <source>あなたの対戦成績 : %1 勝 %2 敗</source>
        <translation>Your matches: %1 won, %2 lost</translation>
    </message>
    <message>
        <source>賭けで逃した額</source>
        <translation>Given up by bets</translation>
    </message>
    <message>
        <source>最近 %1 ゲームで、あなたの賭けが一番よい賭け方より 1 ゲームあたり平均で何 $ 少なく見込まれたか</source>
        <translation>Over the last %1 games: how many $ a game your bets were expected to bring less than the best bets</translation>
    </message>
    <message>
        <source>%1 $ / ゲーム</source>
        <translation>%1 $ / game</translation>
    </message>
</context>
<context>
    <name>kestrins::FrmResults</name>
    <message>
        <source>持ち金の確認</source>
        <translation>Money</translation>
    </message>
    <message>
        <source>%1 枚</source>
        <translation>%1 coins</translation>
    </message>
    <message>
        <source>所持金のグラフ</source>
        <translation>Money chart</translation>
    </message>
    <message>
        <source>%1: %2 ドル</source>
        <comment>name, money</comment>
        <translation>%1: %2 dollars</translation>
    </message>
</context>
<context>
    <name>kestrins::FrmVersion</name>
    <message>
        <source>ケストリン のバージョン情報</source>
        <translation>About Kestrin</translation>
    </message>
    <message>
        <source>ケストリン ver.%1.%2%3</source>
        <translation>Kestrin ver.%1.%2%3</translation>
    </message>
    <message>
        <source>コンピュータ三人と遊ぶポーカー</source>
        <translation>Poker against three computers</translation>
    </message>
    <message>
        <source>「ケストリン」をダウンロードしていただき
誠にありがとうございます。

このゲームをより良くするために、
私のホームページでは、みなさまの感想を
お待ちしております。

ホームページ
本店


支店


メールアドレス



「ゲームのコツ」
コンピュータプレイヤーの「ブラフ」(はったり)
を見ぬければ勝率がぐんと上がります。
ベット(掛け金)の動きに目を見張ってください。</source>
        <translation>Thank you very much
for downloading “Kestrin”.

To make this game better,
I look forward to hearing what
you think of it on my homepage.

Homepage
Main site


Branch site


Mail address



“A tip”
See through the computer players’ bluffs
and you will win far more often.
Keep a close eye on how the bets move.</translation>
    </message>
    <message>
        <source>アイコン</source>
        <translation>Icon</translation>
    </message>
    <message>
        <source>メッセージ</source>
        <translation>Message</translation>
    </message>
</context>
<context>
    <name>kestrins::GameRecorder</name>
    <message>
        <source>対戦記録のファイルが壊れていたため読み込めませんでした。
%1
は
%2
として残し、新しい記録を始めました。</source>
        <translation>The game record file was damaged and could not be read.
%1
has been kept as
%2
and a new record has been started.</translation>
    </message>
    <message>
        <source>対戦記録</source>
        <translation>Game Record</translation>
    </message>
    <message>
        <source>(データフォルダーが不明)</source>
        <translation>(data folder unknown)</translation>
    </message>
    <message>
        <source>対戦記録を保存できませんでした。
%1
に書き込めません。ゲームはこのまま続けられますが、記録は残りません。</source>
        <translation>The game record could not be saved.
Cannot write to
%1
The game goes on, but it is not recorded.</translation>
    </message>
</context>
<context>
    <name>kestrins::MoneyChart</name>
    <message>
        <source>記録がまだありません。</source>
        <translation>No games recorded yet.</translation>
    </message>
    <message>
        <source> (あなた)</source>
        <translation> (you)</translation>
    </message>
</context>
<context>
    <name>kestrins::SoundMenu</name>
    <message>
        <source>効果音(&amp;S)</source>
        <translation>&amp;Sound effects</translation>
    </message>
    <message>
        <source>音量(&amp;L)</source>
        <translation>Vo&amp;lume</translation>
    </message>
    <message>
        <source>小(&amp;S)</source>
        <translation>&amp;Soft</translation>
    </message>
    <message>
        <source>中(&amp;M)</source>
        <translation>&amp;Medium</translation>
    </message>
    <message>
        <source>大(&amp;L)</source>
        <translation>&amp;Loud</translation>
    </message>
</context>
<context>
    <name>kestrins::TitleScreen</name>
    <message>
        <source>最初から</source>
        <translation>New Game</translation>
    </message>
    <message>
        <source>続きから</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>最初からから始めます</source>
        <translation>Start a new match</translation>
    </message>
    <message>
        <source>続きからから始めます</source>
        <translation>Continue the match</translation>
    </message>
    <message>
        <source>今の対戦の所持金とドロップ可能回数を初期化して、最初から始めますか？</source>
        <translation>Reset the money and the drops of the match under way and start a new match?</translation>
    </message>
    <message>
        <source>確認</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>この対戦は終わっています。最初から始めます。</source>
        <translation>This match is over. Starting a new match.</translation>
    </message>
    <message>
        <source>初期化しました。</source>
        <translation>The money and the drops have been reset.</translation>
    </message>
    <message>
        <source>続きから始めます。</source>
        <translation>Continuing the match.</translation>
    </message>
    <message>
        <source>続けられる対戦がないため、最初から始めます。</source>
        <translation>There is no match to continue: starting a new one.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>設定ライブラリ (libhivekit.so.1) が見つかりません。
設定と所持金は読み込まれず、終了時にも保存されません。</source>
        <translation>The settings library (libhivekit.so.1) was not found.
Settings and money are not loaded, and nothing is saved at exit.</translation>
    </message>
    <message>
        <source>設定ライブラリ (libhivekit.so.1) に関数 %1 がありません。
この関数を使う設定は読み込みも保存もされません。</source>
        <translation>The settings library (libhivekit.so.1) has no function %1.
The settings that use it are neither loaded nor saved.</translation>
    </message>
</context>
</TS>
